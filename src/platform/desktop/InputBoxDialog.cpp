#include "InputBoxDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace Platform {

InputBoxDialog::InputBoxDialog(const QString& prompt, const QString& title,
                               const QString& defaultText, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(defaultText, this))
{
    setWindowTitle(title);
    setObjectName("InputBox");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString(prompt).replace("\r\n", "\n"), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_edit->selectAll();
    m_edit->setFocus();
}

} // namespace Platform
