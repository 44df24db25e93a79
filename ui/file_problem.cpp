#include "file_problem.h"

#include "files/output_file.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace classifier {

QString fileProblemText(const files::Error& error) {
    const char* cause = nullptr;
    switch (error.code()) {
    case 0:
        cause = "این نام، نام یک فایل معمولی نیست.";
        break;
    case ENOSPC:
        cause = "روی دیسک جای خالی نمانده است.";
        break;
    case EDQUOT:
        cause = "سهمیه شما از این دیسک پر شده است.";
        break;
    case EROFS:
        cause = "این دیسک یا پوشه فقط خواندنی است.";
        break;
    case EACCES:
    case EPERM:
        cause = "اجازه نوشتن در این پوشه یا فایل را ندارید.";
        break;
    case EISDIR:
        cause = "این نام، نام یک پوشه است.";
        break;
    case ENOENT:
    case ENOTDIR:
        cause = "چنین پوشه\u200Cای وجود ندارد.";
        break;
    case ENAMETOOLONG:
        cause = "این نام بیش از اندازه بلند است.";
        break;
    case EFBIG:
        cause =
            "فایل از بیشترین اندازه\u200Cای که این دیسک می\u200Cپذیرد بزرگ\u200Cتر می\u200Cشود.";
        break;
    case ENXIO:
        cause = "برنامه\u200Cای از آن نمی\u200Cخواند.";
        break;
    case EIO:
        cause = "دیسک هنگام نوشتن خطا داد.";
        break;
    default:
        return QString::fromUtf8("خطای سیستم: ") +
               QString::fromLocal8Bit(std::strerror(error.code()));
    }
    return QString::fromUtf8(cause);
}

bool writeWhole(const QString& path, std::string_view bytes, QString* error) {
    files::OutputFile::Options options;
    options.waitForReader = false;
    try {
        files::OutputFile file(QFile::encodeName(path).toStdString(), options);
        file.write(bytes);
        file.commit();
        return true;
    } catch (const files::Error& failure) {
        if (error) {
            *error = fileProblemText(failure);
        }
        return false;
    }
}

} // namespace classifier
