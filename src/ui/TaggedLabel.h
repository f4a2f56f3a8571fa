#pragma once

#include <QLabel>

namespace corvella::ui {

/// A label that also carries a whole-number tag; windows pass values to each other through hidden ones.
class TaggedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

private:
    int m_tag = 0;
};

} // namespace corvella::ui
