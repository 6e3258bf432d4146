#pragma once

#include <QPainter>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "export/alerts.hpp"
#include "export/diagram_source.hpp"
#include "export/printer.hpp"
#include "window/platform.hpp"

namespace fretwise {

// Answers the dialogs from a script and records everything shown.
class FakeDialogs : public Dialogs {
  public:
    std::optional<std::string> saveAnswer;
    std::optional<std::string> inputAnswer = "1";
    std::vector<std::string> saveOffers;  // fileName + " | " + filter
    std::vector<std::string> inputs;      // prompt + " | " + title + " | " + default
    std::vector<std::string> messages;
    std::vector<std::string> events;  // "beep", "busy", "idle", "message: ..."

    std::optional<std::string> AskFileToOpen(std::string_view) override { return std::nullopt; }
    std::optional<std::string> AskFileToSave(std::string_view fileName,
                                             std::string_view filter) override {
        saveOffers.push_back(std::string(fileName) + " | " + std::string(filter));
        return saveAnswer;
    }
    std::optional<std::string> Input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override {
        inputs.push_back(std::string(prompt) + " | " + std::string(title) + " | " +
                         std::string(defaultText));
        return inputAnswer;
    }
    void Message(std::string_view text, MessageIcon) override {
        messages.emplace_back(text);
        events.push_back("message: " + std::string(text));
    }
    void Beep() override { events.emplace_back("beep"); }
    void SetBusyCursor(bool busy) override { events.emplace_back(busy ? "busy" : "idle"); }
};

class FakeAlerts : public Alerts {
  public:
    explicit FakeAlerts(std::vector<std::string>& events) : events_(events) {}
    void Exclamation(std::string_view text, std::string_view title) override {
        events_.push_back("alert: " + std::string(text) + " | " + std::string(title));
    }

  private:
    std::vector<std::string>& events_;
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

}  // namespace fretwise
