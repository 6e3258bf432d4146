#pragma once

#include <functional>

class QPainter;
class QPrinter;

namespace fretwise {

// Paints one page in the window's logical pixels (15 twips each), origin at the top left of
// the printable area.
using PagePainter = std::function<void(QPainter&)>;

// Where printed pages go.
class Printer {
  public:
    virtual ~Printer() = default;
    // Prints the page once per copy, one sheet each; false when the printer cannot be used or
    // a page fails (nothing is retried).
    virtual bool PrintCopies(int copies, const PagePainter& page) = 0;
};

// Prints through a QPrinter: the system's default printer in the program, a PDF file in the
// tests. The window's pixels keep their size on paper (96 per inch, as 1440 twips to the inch).
class QtPrinter : public Printer {
  public:
    explicit QtPrinter(QPrinter& printer) : printer_(printer) {}
    bool PrintCopies(int copies, const PagePainter& page) override;

  private:
    QPrinter& printer_;
};

// The system's default printer, looked up afresh for every print.
class SystemPrinter : public Printer {
  public:
    bool PrintCopies(int copies, const PagePainter& page) override;
};

}  // namespace fretwise
