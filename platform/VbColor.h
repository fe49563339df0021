#pragma once
// Colours as the window values give them (&HBBGGRR: &HFF00 is green, &HFF red), kept on the
// control so that what was set can be read back. An option button takes them around its circle:
// the circle itself stays white with a black dot, on any colour.
#include <cstdint>

#include <QColor>

class QWidget;

namespace VbColor {
QColor ToQColor(uint32_t bgr);
void SetBackColor(QWidget* w, uint32_t bgr);
// The value last set with SetBackColor, or the system's colour of the control converted.
uint32_t BackColor(const QWidget* w);
// Whether SetBackColor gave the control this colour (not only the system's colour of that value).
bool HasBackColor(const QWidget* w, uint32_t bgr);
// The control takes its parent's colours again, as if SetBackColor had never been called.
void ClearBackColor(QWidget* w);
void SetForeColor(QWidget* w, uint32_t bgr);
uint32_t ForeColor(const QWidget* w);
// The system's button-face colour (the original's vbButtonFace), as a &HBBGGRR value.
uint32_t ButtonFace();
}  // namespace VbColor
