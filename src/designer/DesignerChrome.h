#pragma once

#include "Kind.h"

#include <QObject>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace morvane {

struct DesignerLayout;

// The window's fixed furniture: the top band with logo, "全局设置 ☆", the
// sixteen component buttons, the generate, preview, minimise and close
// buttons, the ruler band, and the status bar. It only reports clicks; the
// window decides what they do.
class DesignerChrome : public QObject {
    Q_OBJECT
public:
    explicit DesignerChrome(QWidget* window);

    void LayOut(const DesignerLayout& layout);
    // The toolbar background; the guide controls stand on it too.
    QWidget* Toolbar() const;
    // "状态提示"; the window stacks it over the guide lines.
    QWidget* StatusBar() const;
    // Pane 1 of the status bar.
    void ShowStatus(const QString& text);
    // "文件": its menu holds the design-file commands.
    QPushButton* FileButton() const { return file_; }
    // The open design's name with its modified mark, left of the ruler.
    void ShowDesignName(const QString& text);
    // "恢复提示" at the right end of the status bar, where status texts
    // never reach: it covers nothing, and stays until answered.
    void ShowRecoveryOffer();
    void HideRecoveryOffer();

signals:
    // A component button: the kind it adds.
    void AddRequested(morvane::Kind kind);
    void PageSettingsRequested();
    void GenerateRequested();
    void PreviewRequested();
    void MinimiseRequested();
    void CloseRequested();
    void RecoveryAccepted();
    void RecoveryDeclined();

private:
    QWidget* topBand_ = nullptr;
    QLabel* logo_ = nullptr;
    QPushButton* global_ = nullptr;
    QPushButton* file_ = nullptr;
    QLabel* designName_ = nullptr;
    QLabel* toolbar_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* minimise_ = nullptr;
    QPushButton* close_ = nullptr;
    QWidget* rulerBand_ = nullptr;
    QLabel* ruler_ = nullptr;
    QWidget* status_ = nullptr;
    QLabel* statusText_ = nullptr;
    QWidget* recoveryOffer_ = nullptr;

    void PlaceRecoveryOffer();
};

} // namespace morvane
