#pragma once

class QWidget;

// Places a window, frame included, in the middle of its screen's free area
// (the area without task bars and panels), as Windows centres a form.
void CentreOnScreen(QWidget& window);
