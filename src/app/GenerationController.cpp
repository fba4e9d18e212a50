#include "GenerationController.h"

#include "CodeGenerator.h"
#include "DesignerWindow.h"
#include "FileSystem.h"
#include "TextCodec.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>

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

GenerationController::GenerationController(DesignerWindow& window)
    : GenerationController(window, window.ProgramDirectory())
{
}

GenerationController::GenerationController(DesignerWindow& window, const QString& programDirectory)
    : GenerationController(window, DefaultSources(programDirectory), TemplateLimits())
{
}

GenerationController::GenerationController(DesignerWindow& window, TemplateLoader::Sources sources,
                                           HttpClient::Limits limits)
    : QObject(&window), window_(window), programDirectory_(window.ProgramDirectory()),
      opener_([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    if (auto* generate = window.findChild<QPushButton*>(QStringLiteral("超级按钮_生成")))
        connect(generate, &QPushButton::clicked, this, &GenerationController::GenerateCode);
    if (auto* preview = window.findChild<QPushButton*>(QStringLiteral("超级按钮_预览")))
        connect(preview, &QPushButton::clicked, this, &GenerationController::OpenPreview);

    // The worker hands each text over as a queued call, so only the
    // user-interface thread ever writes a box. Posting to this object is
    // safe: the loader stops delivering before this object goes.
    loader_ = std::make_unique<TemplateLoader>(std::move(sources), limits, [this](int index, std::string text) {
        QMetaObject::invokeMethod(
            this, [this, index, text = QString::fromStdString(text)] { window_.SetTemplateText(index, text); },
            Qt::QueuedConnection);
    });
    loader_->LoadRemoteTemplates();
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
    TemplateTexts texts;
    texts.pageFrame = window_.TemplateText(0).toStdString();
    texts.basicWrapper = window_.TemplateText(1).toStdString();
    texts.tmallPreview = window_.TemplateText(2).toStdString();
    texts.marketPreview = window_.TemplateText(3).toStdString();

    const GenerationResult result =
        CodeGenerator::GenerateCode(window_.Components(), window_.Background(), window_.Settings(), texts, random_);
    for (const std::string& status : result.statusTexts)
        window_.ShowStatus(QString::fromStdString(status));

    if (result.finished) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(result.code));
        const bool written =
            FileSystem::WriteFileAtomically(PreviewPath().toStdString(), TextCodec::Utf8ToGb18030(result.previewPage));
        if (!written)
            window_.ShowStatus(QString::fromUtf8(StatusPreviewNotWritten));
    }
    window_.Deselect();
}

void GenerationController::OpenPreview()
{
    if (opener_)
        opener_(QUrl::fromLocalFile(PreviewPath()));
}

} // namespace morvane
