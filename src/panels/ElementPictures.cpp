#include "ElementPictures.h"

#include "KindTable.h"

namespace morvane {

ElementPictures::ElementPictures(DesignDocument& document, PictureFetcher& fetcher, QObject* parent)
    : QObject(parent), document_(document), fetcher_(fetcher)
{
    connect(&document_, &DesignDocument::ElementsInserted, this, [this](Sort sort, int first, int count) {
        for (int number = first; number < first + count; ++number) {
            if (!document_.PictureOf(sort, number))
                Refresh(sort, number);
        }
    });
    connect(&document_, &DesignDocument::ElementsRemoved, this, &ElementPictures::DropGone);
    connect(&document_, &DesignDocument::PlacementChanged, this, &ElementPictures::Regrow);
    connect(&document_, &DesignDocument::Restored, this, [this] {
        for (const Sort sort : {Sort::Component, Sort::Text}) {
            for (int number = 1; number <= document_.Count(sort); ++number) {
                if (document_.Exists(sort, number))
                    Refresh(sort, number);
            }
        }
    });
}

QString ElementPictures::SourceAddress(Sort sort, int number) const
{
    const std::optional<Kind> kind = document_.KindAt(sort, number);
    if (!kind)
        return {};
    const PictureSource& source = KindTable::Of(*kind).picture;
    if (source.column >= 0)
        return document_.Cell(sort, number, source.column);
    if (!source.key.empty())
        return QString::fromStdString(document_.Settings().Load(*kind, number)->Value(source.key));
    return {};
}

void ElementPictures::Refresh(Sort sort, int number)
{
    const QString address = SourceAddress(sort, number);
    if (address == document_.PictureAddressOf(sort, number) && document_.PictureOf(sort, number))
        return;
    const ElementId id = document_.IdOf(sort, number);
    if (IsWebPicture(address)) {
        Show(id, address);
        return;
    }
    // Back to before its picture came: its kind's placeholder, and nothing
    // still on its way.
    targets_.erase(id);
    decoded_.erase(id);
    if (document_.PictureOf(sort, number))
        document_.SetPicture(id, std::nullopt, {});
}

void ElementPictures::Show(ElementId id, const QString& address)
{
    if (!id || !IsWebPicture(address))
        return;
    std::unique_ptr<QObject>& target = targets_[id];
    if (!target)
        target = std::make_unique<QObject>();
    // Elements stretch their picture over their size: nothing finer is kept.
    QSize shown;
    if (const std::optional<DesignDocument::Ref> ref = document_.Find(id)) {
        const Placement& place = document_.PlacementOf(ref->sort, ref->number);
        shown = QSize(place.width, place.height);
    }
    decoded_[id] = {address, shown, {}};
    fetcher_.Fetch(address, target.get(), shown, PictureFetcher::Fit::Stretch,
                   [this, id, address](const QPixmap& picture) {
                       decoded_[id].got = picture.size();
                       document_.SetPicture(id, picture, address);
                       // The element now shows an empty box: say which address gave nothing.
                       if (picture.isNull())
                           document_.ShowStatus(FailedText().arg(address));
                   });
}

QString ElementPictures::FailedText()
{
    return QStringLiteral("图片获取失败，请检查图片地址是否正确：%1");
}

void ElementPictures::DropGone()
{
    std::erase_if(targets_, [this](const auto& entry) { return !document_.Find(entry.first); });
    std::erase_if(decoded_, [this](const auto& entry) { return !document_.Find(entry.first); });
}

void ElementPictures::Regrow(Sort sort, int number)
{
    const auto found = decoded_.find(document_.IdOf(sort, number));
    if (found == decoded_.end() || !found->second.got.isValid())
        return;
    const Decoded& decoded = found->second;
    const Placement& place = document_.PlacementOf(sort, number);
    // A picture that came in smaller than asked was whole already.
    const bool cutWidth = decoded.got.width() >= decoded.asked.width();
    const bool cutHeight = decoded.got.height() >= decoded.asked.height();
    if ((cutWidth && place.width > decoded.asked.width()) || (cutHeight && place.height > decoded.asked.height())) {
        const QString address = decoded.address;
        Show(found->first, address);
    }
}

} // namespace morvane
