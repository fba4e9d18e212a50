#include "ElementPictures.h"

#include "KindTable.h"
#include "PageSettings.h"

namespace morvane {

namespace {
// %1 the address.
const QString kFailed = QStringLiteral("图片获取失败，请检查图片地址是否正确：%1");
const QString kBackgroundFailed = QStringLiteral("背景图片获取失败，请检查图片地址是否正确：%1");
} // namespace

ElementPictures::ElementPictures(DesignDocument& document, PictureFetcher& fetcher, QObject* parent)
    : QObject(parent), document_(document), fetcher_(fetcher)
{
    connect(&document_, &DesignDocument::ElementsInserted, this, [this](Sort sort, int first, int count) {
        for (int number = first; number < first + count; ++number) {
            const ElementId id = document_.IdAt(sort, number);
            if (!document_.PictureOf(id))
                Refresh(id);
        }
    });
    connect(&document_, &DesignDocument::ElementsRemoved, this, &ElementPictures::DropGone);
    connect(&document_, &DesignDocument::PlacementChanged, this, &ElementPictures::Regrow);
    connect(&document_, &DesignDocument::Restored, this, [this] {
        for (const Sort sort : {Sort::Component, Sort::Text}) {
            for (int number = 1; number <= document_.Count(sort); ++number) {
                if (const ElementId id = document_.IdAt(sort, number))
                    Refresh(id);
            }
        }
    });
    connect(&document_, &DesignDocument::PageSettingsChanged, this, &ElementPictures::FollowBackground);
    connect(&document_, &DesignDocument::CanvasChanged, this, &ElementPictures::FollowBackground);
}

QString ElementPictures::SourceAddress(ElementId id) const
{
    const std::optional<Kind> kind = document_.KindOf(id);
    if (!kind)
        return {};
    const PictureSource& source = KindTable::Of(*kind).picture;
    if (source.column >= 0)
        return document_.Cell(id, source.column);
    if (!source.key.empty())
        return QString::fromStdString(document_.SettingsOf(id).Value(source.key));
    return {};
}

void ElementPictures::Refresh(ElementId id)
{
    const QString address = SourceAddress(id);
    if (address == document_.PictureAddressOf(id) && document_.PictureOf(id))
        return;
    if (IsWebPicture(address)) {
        Show(id, address);
        return;
    }
    // Back to before its picture came: its kind's placeholder, and nothing
    // still on its way.
    targets_.erase(id);
    decoded_.erase(id);
    if (document_.PictureOf(id))
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
    const Placement& place = document_.PlacementOf(id);
    const QSize shown(place.width, place.height);
    decoded_[id] = {address, shown, {}};
    fetcher_.Fetch(address, target.get(), shown, PictureFetcher::Fit::Stretch,
                   [this, id, address](const QPixmap& picture) {
                       decoded_[id].got = picture.size();
                       document_.SetPicture(id, picture, address);
                       // The element now shows an empty box: say which address gave nothing.
                       if (picture.isNull())
                           document_.ShowStatus(kFailed.arg(address));
                   });
}

void ElementPictures::DropGone()
{
    std::erase_if(targets_, [this](const auto& entry) { return !document_.Find(entry.first); });
    std::erase_if(decoded_, [this](const auto& entry) { return !document_.Find(entry.first); });
}

void ElementPictures::Regrow(ElementId id)
{
    const auto found = decoded_.find(id);
    if (found == decoded_.end() || !found->second.got.isValid())
        return;
    const Decoded& decoded = found->second;
    const Placement& place = document_.PlacementOf(id);
    // A picture that came in smaller than asked was whole already.
    const bool cutWidth = decoded.got.width() >= decoded.asked.width();
    const bool cutHeight = decoded.got.height() >= decoded.asked.height();
    if ((cutWidth && place.width > decoded.asked.width()) || (cutHeight && place.height > decoded.asked.height())) {
        const QString address = decoded.address;
        Show(found->first, address);
    }
}

void ElementPictures::FollowBackground()
{
    const QString address = document_.ShownPageSetting(PageSettings::BackPicture);
    if (address == backgroundAsked_)
        return;
    backgroundAsked_ = address;
    // A newer address replaces a fetch still under way; one that is no web
    // address drops it.
    if (!IsWebPicture(address)) {
        fetcher_.Cancel(&background_);
        return;
    }
    // The canvas shows its picture from the top left at full scale, and its
    // size may still grow: only the pixel budget cuts it.
    fetcher_.Fetch(address, &background_, QSize(), PictureFetcher::Fit::Crop, [this, address](const QPixmap& picture) {
        document_.SetCanvasPicture(address, picture);
        if (picture.isNull())
            document_.ShowStatus(kBackgroundFailed.arg(address));
    });
}

} // namespace morvane
