#pragma once
// A print job on a QPrinter: the print module's, and the tests' on a PDF printer.

#include "platform/print_job.h"

#include <memory>

class QPrinter;

class PrinterJob : public PrintJob {
public:
    explicit PrinterJob(std::unique_ptr<QPrinter> printer);
    ~PrinterJob() override;

    QPagedPaintDevice* pages() override;
    int resolution() const override;
    void abort() override;
    bool failed() const override;

private:
    std::unique_ptr<QPrinter> m_printer;
};
