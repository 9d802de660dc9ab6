#pragma once

#include <QDialog>
#include <QLineEdit>

namespace Platform {

// A prompt, one text field and OK and Cancel.
class InputBoxDialog : public QDialog
{
    Q_OBJECT

public:
    InputBoxDialog(const QString& prompt, const QString& title, const QString& defaultText,
                   QWidget* parent = nullptr);
    QString text() const { return m_edit->text(); }

    // Puts the outer corner, the window manager's frame included, at this
    // point of the screen, in pixels.
    void placeFrameAt(const QPoint& corner);

private:
    QLineEdit* m_edit;
};

} // namespace Platform
