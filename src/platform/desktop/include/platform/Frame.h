#pragma once

#include <QGroupBox>

namespace Platform {

// A frame around a group of controls, drawn as a classic group frame: an
// etched line whose top edge runs through the middle of the caption, which
// interrupts it at the left. Its controls are placed inside it freely.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Platform
