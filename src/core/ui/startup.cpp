#include "core/ui/startup.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_match.h"
#include "core/ui/main_window.h"
#include "forms/form_design.h"
#include "forms/kind_profile.h"
#include "platform/dialogs.h"
#include "platform/fs.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <system_error>

namespace mf {

QString findDataPath(const QString& exeDir) {
    if (QFileInfo(exeDir + QStringLiteral("/DICT")).isDir()) return exeDir;
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/../share/mining-filer"));
    if (QFileInfo(shared + QStringLiteral("/DICT")).isDir()) return shared;
    return exeDir;
}

Startup::Startup(const QString& appPath, const QString& dataPath) {
    AppState& st = state();
    st.AppPath = appPath;
    st.DataPath = dataPath;
    fs::addProtectedDir(dataPath);
    st.HelpFilePath = dataPath + QStringLiteral("/璞川录联机帮助.chm");
    // Nothing else touches the dictionary until finish() has waited for it.
    auto open = [this, dataPath] {
        if (!OpenDictionary(dataPath, &reason_, &dictionaryFile_)) return false;
        // The dictionary's fields and the fields of the forms, matched kind by kind.
        for (int kind = 1; kind <= kKindCount; ++kind)
            if (const QStringList fields = dataFieldNames(kindProfile(kind).designResource()); !fields.isEmpty())
                fieldMismatches_ += fieldMismatchLines(kind, dictionary().textKeyMap(kind), carriedFields(kind, fields));
        return true;
    };
    try {
        dictionary_ = std::async(std::launch::async, open);
    } catch (const std::system_error&) {
        dictionary_ = std::async(std::launch::deferred, open);   // no thread: opened in finish()
    }
    const TabMain::BackgroundPicture picture = TabMain::backgroundPicture();
    background_.start(picture.path, picture.size);
}

std::unique_ptr<TabMain> Startup::finish() {
    const bool opened = dictionary_.get();
    // Which dictionary decides the code lists and the keys of every saved file.
    std::fprintf(stderr, "词典：%s\n", dictionaryFile_.toLocal8Bit().constData());
    // What the Access library wrote while reading it was held back; only its count is told.
    if (const int warnings = dictionary().libraryWarnings(); warnings > 0)
        std::fprintf(stderr, "词典：读取时 Access 数据库库给出 %d 行警告（未显示）\n", warnings);
    for (const QString& line : fieldMismatches_)
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    if (!opened) {
        // The box names the file and the reason below its first line, for a user who started
        // the program from the desktop and sees no standard error.
        std::fprintf(stderr, "mining-filer: %s\n", reason_.toLocal8Bit().constData());
        dialogs().error(QStringLiteral("缺少系统运行所必须的数据词典...\n") + reason_);
        return nullptr;
    }

    AppState& st = state();
    st.PendingFile.clear();
    st.PrintScaleX = 1.5f;
    st.PrintScaleY = 1.9f;
    for (int k = 1; k <= kKindCount; ++k) {
        st.KindFilePath[k].clear();
        st.KindOpen[k] = false;
    }
    // Printing to a PDF file is always offered, so there is a printer and the printer set-up
    // stays available; the installed printers are listed only when the set-up or a print
    // run needs them, since listing them costs the start-up its print system.
    st.PrinterCount = 1;

    auto main = std::make_unique<TabMain>(nullptr, std::move(background_));
    if (!main->MDIForm_Load()) return nullptr;
    return main;
}

std::unique_ptr<TabMain> Main(const QString& appPath, const QString& dataPath) {
    return Startup(appPath, dataPath).finish();
}

} // namespace mf
