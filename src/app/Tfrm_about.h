#pragma once

#include <QDialog>

namespace corvella::app {

/// The about box: the program's name and version, a word about its maker and the contact file in use.
class Tfrm_about : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_about(QWidget* parent = nullptr);
};

} // namespace corvella::app
