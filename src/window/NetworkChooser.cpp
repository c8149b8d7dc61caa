#include "window/NetworkChooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QUrl>

namespace Quor {

namespace {

QString Encoded(const QString& part) {
    return QString::fromLatin1(QUrl::toPercentEncoding(part));
}

} // namespace

QString TNetworkChooser::ChooseFile(QWidget* parent, const QString& current) {
    const QFileInfo file(current);
    const QString folder = file.isFile() ? file.absolutePath() : QDir::homePath();
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open Network"), folder,
        QStringLiteral("Networks (*.mdb *.sqlite *.sqlite3 *.db);;All files (*)"));
}

QString TNetworkChooser::ChooseServer(QWidget* parent) {
    TServerDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Uri() : QString();
}

TServerDialog::TServerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ServerDialog"));
    setWindowTitle(QStringLiteral("Open Network on a Server"));
    mHostEdit = new QLineEdit(this);
    mHostEdit->setObjectName(QStringLiteral("mHostEdit"));
    mHostEdit->setPlaceholderText(QStringLiteral("this machine"));
    mPortEdit = new QSpinBox(this);
    mPortEdit->setObjectName(QStringLiteral("mPortEdit"));
    mPortEdit->setRange(0, 65535);
    mPortEdit->setSpecialValueText(QStringLiteral("5432, the usual"));
    mDatabaseEdit = new QLineEdit(QStringLiteral("quor"), this);
    mDatabaseEdit->setObjectName(QStringLiteral("mDatabaseEdit"));
    mUserEdit = new QLineEdit(QStringLiteral("quor_reader"), this);
    mUserEdit->setObjectName(QStringLiteral("mUserEdit"));
    mUriLabel = new QLabel(this);
    mUriLabel->setObjectName(QStringLiteral("mUriLabel"));
    mUriLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Host:"), mHostEdit);
    layout->addRow(QStringLiteral("&Port:"), mPortEdit);
    layout->addRow(QStringLiteral("&Database:"), mDatabaseEdit);
    layout->addRow(QStringLiteral("&User:"), mUserEdit);
    layout->addRow(QStringLiteral("Address:"), mUriLabel);
    layout->addRow(new QLabel(QStringLiteral("The password, where the server asks for one, comes "
                                             "from ~/.pgpass or PGPASSWORD."),
                              this));
    layout->addRow(buttons);

    const auto showUri = [this] { mUriLabel->setText(Uri()); };
    for (QLineEdit* edit : {mHostEdit, mDatabaseEdit, mUserEdit})
        connect(edit, &QLineEdit::textChanged, this, showUri);
    connect(mPortEdit, &QSpinBox::valueChanged, this, showUri);
    showUri();
}

QString TServerDialog::Uri() const {
    return MakeUri(mHostEdit->text().trimmed(), mPortEdit->value(), mDatabaseEdit->text().trimmed(),
                   mUserEdit->text().trimmed());
}

QString TServerDialog::MakeUri(const QString& host, int port, const QString& database,
                               const QString& user) {
    QString uri = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        uri += Encoded(user) + u'@';
    uri += Encoded(host);
    if (port > 0)
        uri += u':' + QString::number(port);
    if (!database.isEmpty())
        uri += u'/' + Encoded(database);
    return uri;
}

} // namespace Quor
