#pragma once

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "qt/export/alerts.hpp"
#include "qt/export/diagram_source.hpp"
#include "qt/export/printer.hpp"

namespace fretwise::test {

// Writes "alert TEXT|TITLE" into a log, such as the one of the FakeDialogs.
class FakeAlerts : public Alerts {
  public:
    explicit FakeAlerts(std::vector<std::string>& log) : log_(log) {}
    void Exclamation(std::string_view text, std::string_view title) override {
        log_.push_back("alert " + std::string(text) + "|" + std::string(title));
    }

  private:
    std::vector<std::string>& log_;
};

// Counts the copies and paints them onto nothing.
class FakePrinter : public Printer {
  public:
    bool works = true;
    std::vector<int> jobs;  // copies asked for, per print

    bool PrintCopies(int copies, const PagePainter& page) override {
        jobs.push_back(copies);
        if (!works) {
            return false;
        }
        QImage sheet(600, 800, QImage::Format_RGB32);
        QPainter painter(&sheet);
        for (int i = 0; i < copies; ++i) {
            page(painter);
        }
        return true;
    }
};

// A cross for every picture and a frame caption.
class FakeSource : public DiagramSource {
  public:
    std::string caption = "F major";

    DiagramPainter Diagram(DiagramKind) const override {
        return [](QPainter& p) { p.drawLine(0, 0, 100, 100); };
    }
    PagePainter Page(PrintKind) const override {
        return [](QPainter& p) { p.drawRect(10, 10, 300, 400); };
    }
    std::string ChordCaption() const override { return caption; }
};

}  // namespace fretwise::test
