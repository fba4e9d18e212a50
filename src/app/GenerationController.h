#pragma once

#include "HttpClient.h"
#include "RandomSource.h"
#include "TemplateLoader.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace morvane {

class DesignerWindow;

// Brings the window's generate and preview buttons to life and fills its four
// hidden template boxes from the start-up download. A child of the window:
// it goes with the window, cancelling a download still under way without
// waiting for it and removing the preview file.
class GenerationController : public QObject {
    Q_OBJECT
public:
    static constexpr const char* StatusPreviewNotWritten =
        "代码已复制到剪切板，但预览文件 yl.htm 写入失败，预览效果不可用...";

    // Starts the download at once. The sources default to the build's
    // template address (the templates folder of programDirectory, which is
    // the window's folder unless the run keeps its data elsewhere).
    explicit GenerationController(DesignerWindow& window);
    GenerationController(DesignerWindow& window, const QString& programDirectory);
    GenerationController(DesignerWindow& window, TemplateLoader::Sources sources, HttpClient::Limits limits);
    ~GenerationController() override;

    static TemplateLoader::Sources DefaultSources(const QString& programDirectory);

    void GenerateCode();
    void OpenPreview();
    QString PreviewPath() const;

    // The shell's open action; tests replace it.
    void SetOpener(std::function<void(const QUrl&)> opener) { opener_ = std::move(opener); }
    // True once the download has delivered its last text.
    bool TemplatesLoaded() const { return loader_->Finished(); }

private:
    DesignerWindow& window_;
    QString programDirectory_;
    std::unique_ptr<TemplateLoader> loader_;
    RandomSource random_;
    std::function<void(const QUrl&)> opener_;
};

} // namespace morvane
