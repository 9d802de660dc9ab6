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

private:
    QLineEdit* m_edit;
};

} // namespace Platform
