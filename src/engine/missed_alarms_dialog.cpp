#include "engine/missed_alarms_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klaxora {

MissedAlarmsDialog::MissedAlarmsDialog() : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("missedAlarmsDialog"));
    setWindowTitle(QStringLiteral("Klaxora!"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("These alarms were missed while Klaxora! was not running:"), this);
    caption->setObjectName(QStringLiteral("missedCaption"));
    layout->addWidget(caption);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("missedList"));
    list_->setAccessibleName(caption->text());
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* deleteAll = buttons->addButton(tr("Delete All"), QDialogButtonBox::DestructiveRole);
    deleteAll->setObjectName(QStringLiteral("deleteAllButton"));
    keepButton_ = buttons->addButton(tr("Keep"), QDialogButtonBox::RejectRole);
    keepButton_->setObjectName(QStringLiteral("keepButton"));
    keepButton_->setDefault(true);
    connect(deleteAll, &QPushButton::clicked, this, &QDialog::accept);
    connect(keepButton_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, 300);
}

bool MissedAlarmsDialog::ask(const QStringList& lines)
{
    list_->clear();
    list_->addItems(lines);
    keepButton_->setFocus();
    return exec() == QDialog::Accepted;
}

} // namespace klaxora
