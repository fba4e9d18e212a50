#include "CodeImport.h"

#include "CodeImporter.h"
#include "DesignDocument.h"
#include "DesignFiles.h"
#include "FileSystem.h"
#include "KindTable.h"
#include "TextCodec.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QStringDecoder>
#include <QThreadPool>

namespace morvane {

namespace {

// What the status bar names of each part that could not be read.
constexpr int kExcerptCharacters = 16;
constexpr int kPartsNamed = 5;

bool IsUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// The preview page and older files are GB18030; the clipboard and most
// editors give UTF-8.
std::string AsUtf8(std::string bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    return IsUtf8(bytes) ? bytes : TextCodec::Gb18030ToUtf8(bytes);
}

} // namespace

CodeImport::CodeImport(DesignDocument& document, DesignFiles& files, std::function<const TemplateTexts&()> templates,
                       QObject* parent)
    : QObject(parent), document_(document), files_(files), templates_(std::move(templates)),
      reader_(std::make_unique<QThreadPool>())
{
    reader_->setMaxThreadCount(1);
}

CodeImport::~CodeImport()
{
    // A reading is linear in its text: it ends soon.
    reader_->waitForDone();
}

QString CodeImport::ChoosePath()
{
    if (choosePath_)
        return choosePath_();
    QFileDialog dialog(nullptr, QStringLiteral("导入代码"));
    dialog.setObjectName(QStringLiteral("导入对话框"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("模块代码 (*.htm *.html *.txt)"), QStringLiteral("所有文件 (*)")});
    dialog.setDirectory(QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CodeImport::Run()
{
    if (busy_) {
        document_.ShowStatus(QStringLiteral("正在读取代码，请稍候..."));
        return;
    }
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (!clipboard.trimmed().isEmpty()) {
        ImportBytes(clipboard.toStdString(), QStringLiteral("剪切板"));
        return;
    }
    const QString path = ChoosePath();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes) {
        document_.ShowStatus(
            QStringLiteral("无法导入“%1”：%2")
                .arg(path, info.isFile() ? QStringLiteral("文件过大，不是模块代码") : QStringLiteral("不是普通文件")));
        return;
    }
    std::optional<std::string> bytes =
        FileSystem::ReadWholeFile(QFile::encodeName(info.canonicalFilePath()).toStdString());
    if (!bytes) {
        document_.ShowStatus(QStringLiteral("无法导入“%1”：无法读取文件").arg(path));
        return;
    }
    ImportBytes(std::move(*bytes), QStringLiteral("“%1”").arg(path));
}

void CodeImport::ImportBytes(std::string bytes, const QString& source)
{
    busy_ = true;
    document_.ShowStatus(QStringLiteral("正在读取%1中的代码...").arg(source));
    auto texts = std::make_shared<TemplateTexts>(templates_());
    auto text = std::make_shared<std::string>(std::move(bytes));
    reader_->start([self = QPointer<CodeImport>(this), texts, text, source] {
        auto imported = std::make_shared<ImportedDesign>(CodeImporter::ImportCode(AsUtf8(std::move(*text)), *texts));
        QMetaObject::invokeMethod(
            self, [self, imported, source] { self->Done(imported, source); }, Qt::QueuedConnection);
    });
}

QString CodeImport::Report(const ImportedDesign& imported)
{
    int components = 0;
    for (const ImportedElement& element : imported.components)
        components += KindTable::Of(element.kind).owner ? 0 : 1;
    QString report = QStringLiteral("已导入代码：%1 个组件，%2 个文字").arg(components).arg(imported.texts.size());
    if (imported.unread.empty())
        return report + QStringLiteral("...");
    QStringList parts;
    for (const UnreadPart& part : imported.unread) {
        if (parts.size() == kPartsNamed)
            break;
        QString excerpt = QString::fromUtf8(part.excerpt).simplified();
        if (excerpt.size() > kExcerptCharacters)
            excerpt = excerpt.left(kExcerptCharacters) + QStringLiteral("…");
        parts << QStringLiteral("第 %1 行第 %2 列“%3”").arg(part.line).arg(part.column).arg(excerpt);
    }
    QString more;
    if (imported.unread.size() > static_cast<size_t>(kPartsNamed))
        more = QStringLiteral("等");
    return report + QStringLiteral("；%1 处无法读取，已略过：%2%3...")
                        .arg(imported.unread.size())
                        .arg(parts.join(QStringLiteral("、")), more);
}

void CodeImport::Done(std::shared_ptr<ImportedDesign> imported, const QString& source)
{
    busy_ = false;
    // Nothing read but what was left unread: not a module's code, and the
    // open design stays as it is.
    if (imported->components.empty() && imported->texts.empty() && !imported->unread.empty()) {
        document_.ShowStatus(QStringLiteral("%1中没有可以导入的模块代码，请先复制本程序生成的代码...").arg(source));
        emit Finished(false);
        return;
    }
    if (!files_.MayReplace(QStringLiteral("导入代码"))) {
        emit Finished(false);
        return;
    }
    Design design;
    design.page = imported->pageSettings;
    for (DesignElement& element : imported->Elements()) {
        if (!element.cells.empty() && element.cells[0] == KindTable::Word(Kind::Text))
            design.texts.push_back(std::move(element));
        else
            design.components.push_back(std::move(element));
    }
    files_.ReplaceUnsaved(design);
    document_.ShowStatus(Report(*imported));
    emit Finished(true);
}

} // namespace morvane
