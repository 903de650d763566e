#pragma once
// A document on a printer, as the report draws it: the pages and what only a printer says.
// Printing lives in a module of its own, loaded on the first print, so that Qt's printing
// library costs nothing at a start that prints nothing.

#include <QString>

class QPagedPaintDevice;

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The pages; QPainter::begin on them starts the document.
    virtual QPagedPaintDevice* pages() = 0;
    // Dots per inch of the pages.
    virtual int resolution() const = 0;
    virtual void abort() = 0;
    // True once the printer has reported an error.
    virtual bool failed() const = 0;
};

// The module's file name without prefix or suffix, and its entry point: a job of the given
// name on the default printer, or null when there is none. The caller owns the job.
inline const QString kPrintModuleName = QStringLiteral("t10print");
inline constexpr char kCreateDefaultPrintJob[] = "t10CreateDefaultPrintJob";
using CreateDefaultPrintJob = PrintJob* (*)(const QString& documentName);
