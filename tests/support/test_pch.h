#pragma once
#include "src_core_pch.h"
#include <QtTest/QTest>
#include <QtCore/QTemporaryDir>
