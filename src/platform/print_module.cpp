// The print module: jobs on the default printer through Qt PrintSupport.

#include "platform/printer_job.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT PrintJob* t10CreateDefaultPrintJob(const QString& documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(documentName);
    return new PrinterJob(std::move(printer));
}
