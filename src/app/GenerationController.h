#pragma once

#include "CodeGenerator.h"
#include "HttpClient.h"
#include "RandomSource.h"
#include "TemplateLoader.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace morvane {

class DesignDocument;

// The generation side of the designer: it holds the four template texts the
// start-up download delivers, turns the document into code for the
// clipboard and the preview file, and opens that file. When it goes it
// cancels a download still under way, without waiting for it, and removes
// the preview file.
class GenerationController : public QObject {
    Q_OBJECT
public:
    static constexpr const char* StatusPreviewNotWritten =
        "代码已复制到剪切板，但预览文件 yl.htm 写入失败，预览效果不可用...";
    // %1: the template files, by name.
    static constexpr const char* StatusTemplatesMissing = "缺少模板文字 %1，无法生成代码，请重新安装本程序...";
    static constexpr const char* StatusPreviewMissing = "（缺少预览模板 %1，未写入预览文件）";
    static constexpr const char* StatusTemplatesLoading = "模板文字仍在载入中，请稍候再点击 生成代码...";
    static constexpr const char* StatusNoPreview = "还没有可预览的效果，请先点击 生成代码，再点击 预览效果...";
    // %1: the preview file.
    static constexpr const char* StatusBrowserFailed = "无法启动浏览器打开预览文件，请用浏览器手动打开：%1";

    // Starts the download at once. The sources default to the build's
    // template address (the templates folder beside the executable).
    explicit GenerationController(DesignDocument& document, QObject* parent = nullptr);
    // programDirectory: where the templates folder is, when the design's
    // files live elsewhere (a program folder the user cannot write).
    GenerationController(DesignDocument& document, const QString& programDirectory, QObject* parent = nullptr);
    GenerationController(DesignDocument& document, TemplateLoader::Sources sources, HttpClient::Limits limits,
                         QObject* parent = nullptr);
    ~GenerationController() override;

    static TemplateLoader::Sources DefaultSources(const QString& programDirectory);

    void GenerateCode();
    void OpenPreview();
    QString PreviewPath() const;

    // The texts as delivered so far; empty until their request has ended.
    const TemplateTexts& Templates() const { return templates_; }
    // The shell's open action, false when no program could be started;
    // tests replace it.
    void SetOpener(std::function<bool(const QUrl&)> opener) { opener_ = std::move(opener); }
    // True once the download has delivered its last text.
    bool TemplatesLoaded() const { return loader_->Finished(); }

private:
    void SetTemplate(TemplateLoader::Index index, std::string text);

    DesignDocument& document_;
    QString programDirectory_;
    TemplateTexts templates_;
    std::unique_ptr<TemplateLoader> loader_;
    RandomSource random_;
    std::function<bool(const QUrl&)> opener_;
};

} // namespace morvane
