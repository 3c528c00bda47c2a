#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace kelvane {

struct Session;

// "Transfer SAP2000 V14 s2k File to SAP2000 Version 6": converts a SAP2000 V14 solid model into the
// version-6 text the importer reads, and saves the converted text.
class V14TransferWindow : public QWidget {
    Q_OBJECT
  public:
    explicit V14TransferWindow(Session& session, QWidget* parent = nullptr);

  private:
    void openAndConvert();
    void saveConverted();

    QPlainTextEdit* report_;
    // The converted text of the last successful conversion; empty when there is nothing to save.
    std::vector<std::string> output_;
};

} // namespace kelvane
