#pragma once
// Precompiled headers of vellamora_ui.
#include "src_core_pch.h"
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>
