#pragma once

#include "card/CardSettings.h"
#include "print/PageLayout.h"
#include "print/PrintService.h"

// What every print job does once its printer is selected: reads the margins
// and the printable area, sets the document title "Morvane" and the print font
// (the card font, bold, black). The area read goes to `area` when given.
PageGeometry preparePage(IPrintService &service, const CardSettings &settings, PrintableArea *area = nullptr);

// Drops the job's document, or what was prepared for it, when the job ends
// any other way than by handing it to the printer. Arm it only once the job's
// own printer selection succeeded: a refused nested job must leave the
// running one alone.
class DocumentGuard
{
public:
    explicit DocumentGuard(IPrintService &service) : m_service(&service) {}
    ~DocumentGuard()
    {
        if (m_service)
            m_service->abortDoc();
    }
    DocumentGuard(const DocumentGuard &) = delete;
    DocumentGuard &operator=(const DocumentGuard &) = delete;

    void endDoc()
    {
        IPrintService *service = m_service;
        m_service = nullptr;
        try {
            service->endDoc();
        } catch (...) {
            service->abortDoc();
            throw;
        }
    }

private:
    IPrintService *m_service;
};
