#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvella::exchange {

enum class ExportFormat { Csv, VCard };

/// Where and how contacts are written: the file, CSV or vCard (unless the caller fixed it), and for CSV whether
/// it starts with a byte-order mark, which spreadsheet programs need to read Turkish letters.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(const QString& title, std::optional<ExportFormat> fixedFormat, QWidget* parent = nullptr);

    QString filePath() const;
    void setFilePath(const QString& path);
    ExportFormat format() const;
    void setFormat(ExportFormat format);
    bool byteOrderMark() const;
    void setByteOrderMark(bool on);

    QLineEdit* fileEdit() const { return m_file; }
    QCheckBox* byteOrderMarkBox() const { return m_byteOrderMark; }
    QPushButton* exportButton() const { return m_exportButton; }

    void accept() override;

private:
    void browse();
    void update();

    QLineEdit* m_file;
    QRadioButton* m_csv;
    QRadioButton* m_vCard;
    QCheckBox* m_byteOrderMark;
    QPushButton* m_exportButton = nullptr;
    QString m_browsedPath; // the chooser has already asked before replacing it
};

} // namespace corvella::exchange
