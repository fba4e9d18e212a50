#include "GenerationController.h"

#include "CodeGenerator.h"
#include "DesignDocument.h"
#include "FileSystem.h"
#include "TextCodec.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#ifndef MORVANE_TEMPLATE_URL
#define MORVANE_TEMPLATE_URL ""
#endif

namespace morvane {

namespace {

HttpClient::Limits TemplateLimits()
{
    // Short enough that a dead server costs nothing noticeable, long enough
    // for a slow line; the texts are small pages.
    HttpClient::Limits limits;
    limits.connectTimeoutMs = 5000;
    limits.totalTimeoutMs = 15000;
    limits.maxBodyBytes = 4 * 1024 * 1024;
    return limits;
}

} // namespace

GenerationController::GenerationController(DesignDocument& document, QObject* parent)
    : GenerationController(document, document.ProgramDirectory(), parent)
{
}

GenerationController::GenerationController(DesignDocument& document, const QString& programDirectory, QObject* parent)
    : GenerationController(document, DefaultSources(programDirectory), TemplateLimits(), parent)
{
}

GenerationController::GenerationController(DesignDocument& document, TemplateLoader::Sources sources,
                                           HttpClient::Limits limits, QObject* parent)
    : QObject(parent), document_(document), programDirectory_(document.ProgramDirectory()),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    // The worker hands each text over as a queued call, so only the
    // user-interface thread ever writes the texts. Posting to this object is
    // safe: the loader stops delivering before this object goes.
    loader_ = std::make_unique<TemplateLoader>(std::move(sources), limits, [this](int index, std::string text) {
        QMetaObject::invokeMethod(
            this,
            [this, index, text = std::move(text)]() mutable {
                SetTemplate(static_cast<TemplateLoader::Index>(index), std::move(text));
            },
            Qt::QueuedConnection);
    });
    loader_->LoadRemoteTemplates();
}

void GenerationController::SetTemplate(TemplateLoader::Index index, std::string text)
{
    switch (index) {
    case TemplateLoader::PageFrame:
        templates_.pageFrame = std::move(text);
        break;
    case TemplateLoader::BasicWrapper:
        templates_.basicWrapper = std::move(text);
        break;
    case TemplateLoader::TmallPreview:
        templates_.tmallPreview = std::move(text);
        break;
    case TemplateLoader::MarketPreview:
        templates_.marketPreview = std::move(text);
        break;
    }
}

GenerationController::~GenerationController()
{
    loader_->Cancel();
    FileSystem::RemoveFile(PreviewPath().toStdString());
}

TemplateLoader::Sources GenerationController::DefaultSources(const QString& programDirectory)
{
    std::string base = MORVANE_TEMPLATE_URL;
    if (base.empty())
        base = QUrl::fromLocalFile(programDirectory + QStringLiteral("/templates/"))
                   .toString(QUrl::FullyEncoded)
                   .toStdString();
    if (base.back() != '/')
        base += '/';
    return {base, base};
}

QString GenerationController::PreviewPath() const
{
    return programDirectory_ + QStringLiteral("/yl.htm");
}

void GenerationController::GenerateCode()
{
    const GenerationResult result = CodeGenerator::GenerateCode(document_.Components(), document_.Background(),
                                                                document_.Settings(), templates_, random_);
    for (const std::string& status : result.statusTexts)
        document_.ShowStatus(QString::fromStdString(status));

    if (!result.missingOuterTexts.empty()) {
        // Without its frame the code cannot be pasted into a shop: nothing
        // goes to the clipboard or the preview file, and the status says
        // what is missing (or that the start-up download is still on).
        QStringList missing;
        for (const std::string& name : result.missingOuterTexts)
            missing << QString::fromStdString(name);
        if (!result.missingPreview.empty())
            missing << QString::fromStdString(result.missingPreview);
        document_.ShowStatus(TemplatesLoaded()
                                 ? QString::fromUtf8(StatusTemplatesMissing).arg(missing.join(QStringLiteral("、")))
                                 : QString::fromUtf8(StatusTemplatesLoading));
    } else if (result.finished) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(result.code));
        if (!result.missingPreview.empty()) {
            // An empty preview file would only open a blank page.
            document_.ShowStatus(
                QString::fromStdString(result.statusTexts.back()) +
                QString::fromUtf8(StatusPreviewMissing).arg(QString::fromStdString(result.missingPreview)));
        } else if (!result.previewPage.empty()) {
            const bool written = FileSystem::WriteFileAtomically(PreviewPath().toStdString(),
                                                                 TextCodec::Utf8ToGb18030(result.previewPage));
            if (!written)
                document_.ShowStatus(QString::fromUtf8(StatusPreviewNotWritten));
        }
    }
    document_.ClearSelection();
}

void GenerationController::OpenPreview()
{
    if (!QFileInfo(PreviewPath()).isFile()) {
        document_.ShowStatus(QString::fromUtf8(StatusNoPreview));
        return;
    }
    if (opener_ && !opener_(QUrl::fromLocalFile(PreviewPath())))
        document_.ShowStatus(QString::fromUtf8(StatusBrowserFailed).arg(QDir::toNativeSeparators(PreviewPath())));
}

} // namespace morvane
