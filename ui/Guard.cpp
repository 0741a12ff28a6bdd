#include "ui/Guard.h"

#include "platform/TextCodec.h"

QString MessageOf(const std::exception& error) {
    return QString::fromStdU16String(platform::DecodeSystemText(error.what()));
}

QString UnknownErrorMessage() {
    return QStringLiteral("Neznámá chyba");
}
