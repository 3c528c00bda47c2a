#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace kelvane {

struct Session;

// "Import Report": what a table-format import read, converted, created and did not carry, shown
// after the import as the Transfer window shows its conversion report.
class ImportReportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ImportReportWindow(Session& session, QWidget* parent = nullptr);

    // Replaces the text with the report's lines.
    void setReport(const std::vector<std::string>& lines);
    QString reportText() const;

  private:
    QPlainTextEdit* report_;
};

} // namespace kelvane
