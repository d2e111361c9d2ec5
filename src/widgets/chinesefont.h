#pragma once

#include <QFont>

// The windows are designed in "宋体" (SimSun). Linux desktops rarely have it,
// so the family is mapped onto the CJK faces Debian ships; call once before
// the first window is built.
void installChineseFontSubstitutes();

// The bold "宋体" of the designs at the given size.
QFont songTiBold(qreal pointSize);
