#include "KindWords.h"

#include "KindTable.h"

namespace morvane {

QString KindWords::Of(Kind kind)
{
    const std::string_view word = KindTable::Word(kind);
    return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

std::optional<Kind> KindWords::From(const QString& word)
{
    return KindTable::FromWord(word.toStdString());
}

} // namespace morvane
