#include "platform/printer_job.h"

#include <QPrinter>

PrinterJob::PrinterJob(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
{
}

PrinterJob::~PrinterJob() = default;

QPagedPaintDevice* PrinterJob::pages()
{
    return m_printer.get();
}

int PrinterJob::resolution() const
{
    return m_printer->resolution();
}

void PrinterJob::abort()
{
    m_printer->abort();
}

bool PrinterJob::failed() const
{
    return m_printer->printerState() == QPrinter::Error;
}
