#include "core/io_result.h"

#include <cerrno>
#include <cstring>

std::string describeErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "permesso negato";
    case EROFS:
        return "il disco è di sola lettura";
    case ENOSPC:
        return "il disco è pieno";
    case EISDIR:
        return "il nome indica una cartella";
    case ENOENT:
        return "la cartella non esiste";
    case ENOTDIR:
        return "il percorso non è una cartella";
    case EIO:
        return "errore di lettura o scrittura sul disco";
    case EINVAL:
        return "il file non lo permette";
    case EFBIG:
        return "il file supera la dimensione consentita";
#ifdef EDQUOT
    case EDQUOT:
        return "spazio disco esaurito";
#endif
    default:
        return std::string("errore di sistema: ") + std::strerror(error);
    }
}
