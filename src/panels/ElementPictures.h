#pragma once

#include "DesignDocument.h"
#include "PictureFetcher.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <map>
#include <memory>

namespace morvane {

// The pictures the canvas shows: a panel save asks for its element's
// picture; elements that come back (an undo, a paste, an opened design) get
// theirs from the address their record or settings hold; the canvas gets
// the background picture the page settings shown name, whenever that
// address changes. Downloads run off the user-interface thread; each
// arriving picture goes into the document, unless its element is gone.
class ElementPictures : public QObject {
    Q_OBJECT
public:
    ElementPictures(DesignDocument& document, PictureFetcher& fetcher, QObject* parent = nullptr);

    // Fetches the address for the element when it is a web address;
    // anything else changes nothing.
    void Show(ElementId id, const QString& address);

    static bool IsWebPicture(const QString& address) { return address.contains(QLatin1String("http")); }

private:
    // The address an element's picture is kept under (its kind's picture
    // source); empty for kinds without one.
    QString SourceAddress(ElementId id) const;
    // The element shows the picture its stored address names.
    void Refresh(ElementId id);
    void DropGone();
    // Fetches again when an element grows past the size its picture was
    // cut down to.
    void Regrow(ElementId id);
    void FollowBackground();

    DesignDocument& document_;
    PictureFetcher& fetcher_;
    // One per element with a download, so that a newer one replaces it and
    // a removed element takes it along.
    std::map<ElementId, std::unique_ptr<QObject>> targets_;
    // The size each element's picture was asked for and the size it came
    // in, with its address.
    struct Decoded {
        QString address;
        QSize asked;
        QSize got;
    };
    std::map<ElementId, Decoded> decoded_;
    // The canvas's download, and the background address it was asked for.
    QObject background_;
    QString backgroundAsked_;
};

} // namespace morvane
