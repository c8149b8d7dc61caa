#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace Quor {

// Asks which network to open: a network file (SQLite), or a network on a PostgreSQL server.
class TNetworkChooser {
public:
    // The file dialog, in the folder of `current` when that is a file; empty when cancelled.
    static QString ChooseFile(QWidget* parent, const QString& current);
    // The server dialog; the connection URI, or empty when cancelled.
    static QString ChooseServer(QWidget* parent);
};

// Host, port, database and user of a network on a PostgreSQL server, with the connection URI
// they make shown below them. No password: libpq finds it as usual (~/.pgpass, PGPASSWORD), and
// empty fields are left to libpq and its environment.
class TServerDialog : public QDialog {
    Q_OBJECT

public:
    explicit TServerDialog(QWidget* parent = nullptr);

    QString Uri() const;
    // "postgresql://user@host:port/database", each part percent-encoded (a socket folder as host
    // too) and left out when empty (a port of 0).
    static QString MakeUri(const QString& host, int port, const QString& database,
                           const QString& user);

private:
    QLineEdit* mHostEdit = nullptr;
    QSpinBox* mPortEdit = nullptr;
    QLineEdit* mDatabaseEdit = nullptr;
    QLineEdit* mUserEdit = nullptr;
    QLabel* mUriLabel = nullptr;
};

} // namespace Quor
