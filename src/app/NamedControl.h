#pragma once
#include <QtCore/QObject>

namespace vellamora {

// Creates a control whose objectName is its member name, so tests and styles
// find it by the same name the code uses.
template<typename T, typename Parent>
T *namedControl(Parent *parent, const char *name)
{
    T *control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace vellamora

// NAMED(SpeedButtonEXIT, QToolButton, parent): member and objectName written once.
#define NAMED(member, Type, parent) (member = ::vellamora::namedControl<Type>(parent, #member))
