#include "app/LookUpService.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>

namespace Quor {

namespace {

const QString kName = QString::fromLatin1(TLookUpService::kServiceName);
const QString kPath = QString::fromLatin1(TLookUpService::kObjectPath);
// A running program answers at once; one that hangs is given up on after this.
constexpr int kHandOverTimeout = 5000;

} // namespace

TLookUpService::~TLookUpService() {
    if (mServing)
        QDBusConnection::sessionBus().unregisterObject(kPath);
}

TLookUpService::TClaim TLookUpService::Claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return TClaim::NoSession;
    // The object first, so that a look-up that comes as soon as the name is ours finds it.
    if (!bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots))
        return TClaim::NoSession;
    mServing = true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(kName, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return TClaim::Owned;
    bus.unregisterObject(kPath);
    mServing = false;
    return reply.isValid() ? TClaim::Taken : TClaim::NoSession;
}

void TLookUpService::SetHandler(THandler handler) {
    mHandler = std::move(handler);
    QTimer::singleShot(0, this, &TLookUpService::Deliver);
}

void TLookUpService::LookUp(const QString& word, const QString& language, bool exact) {
    LookUpIn(QString(), word, language, exact);
}

void TLookUpService::LookUpIn(const QString& network, const QString& word, const QString& language,
                              bool exact) {
    const QString code = LanguageCode(language);
    if (!language.isEmpty() && code.isEmpty()) {
        sendErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("The language must be BG, RU or empty, not '%1'.").arg(language));
        return;
    }
    mWaiting.push_back({word, code, exact, network});
    QTimer::singleShot(0, this, &TLookUpService::Deliver);
}

void TLookUpService::Deliver() {
    if (!mHandler)
        return;
    const std::vector<TLookUp> lookUps = std::exchange(mWaiting, {});
    for (const TLookUp& lookUp : lookUps)
        mHandler(lookUp);
}

bool HandOverToRunningProgram(const TLookUp& lookUp) {
    const bool inNetwork = !lookUp.Network.isEmpty();
    QDBusMessage call = QDBusMessage::createMethodCall(
        kName, kPath, QString::fromLatin1(TLookUpService::kServiceName),
        inNetwork ? QStringLiteral("LookUpIn") : QStringLiteral("LookUp"));
    if (inNetwork)
        call << lookUp.Network;
    call << lookUp.Word << lookUp.Language << lookUp.Exact;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, kHandOverTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace Quor
