#pragma once
// Printing an image of a window: the print module (libvelto-print.so), so
// Qt's printing is loaded only when the user first prints.
class QPrinter;
class QWidget;

namespace velto {

// An image of `window` on `printer`, at its size on screen or smaller to fit
// the page. False when the printer could not be started.
bool PrintWindow(QWidget& window, QPrinter& printer);

} // namespace velto

// The module's entry: asks for a printer with Qt's print dialog, then prints
// an image of `window` on it.
extern "C" void velto_print_window(QWidget* window);
