#pragma once

#include "CodeGenerator.h"
#include "Design.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThreadPool;

namespace morvane {

class DesignDocument;
class DesignFiles;
struct ImportedDesign;

// "导入代码": a module's generated code, from the clipboard or from a file,
// read back into a design that replaces the open one once it has been read.
// Large texts are read off the window's thread; the open design is not
// touched until the reading has succeeded.
class CodeImport : public QObject {
    Q_OBJECT
public:
    // Far above any module's code.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    // templates: the template texts the code was generated with, as the
    // generation holds them.
    CodeImport(DesignDocument& document, DesignFiles& files, std::function<const TemplateTexts&()> templates,
               QObject* parent = nullptr);
    ~CodeImport() override;

    // The command: the clipboard's text, or a file the user chooses.
    void Run();
    // Reads a text (UTF-8 or GB18030, told apart by its bytes).
    void ImportBytes(std::string bytes, const QString& source);
    bool Busy() const { return busy_; }

    // Tests answer the file dialog.
    void SetPathChooser(std::function<QString()> chooser) { choosePath_ = std::move(chooser); }

    // The report of a reading, as the status bar shows it.
    static QString Report(const ImportedDesign& imported);

signals:
    void Finished(bool imported);

private:
    void Done(std::shared_ptr<ImportedDesign> imported, const QString& source);
    QString ChoosePath();

    DesignDocument& document_;
    DesignFiles& files_;
    std::function<const TemplateTexts&()> templates_;
    std::function<QString()> choosePath_;
    std::unique_ptr<QThreadPool> reader_;
    bool busy_ = false;
};

} // namespace morvane
