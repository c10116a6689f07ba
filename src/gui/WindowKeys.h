#pragma once

class QPlainTextEdit;
class QWidget;

namespace sporix {

// Escape closes the window, as its close box does.
void closeOnEscape(QWidget& window);

// A text to read, not to write: the keys move through it and Tab moves on.
void makeReadOnly(QPlainTextEdit& text);

}  // namespace sporix
