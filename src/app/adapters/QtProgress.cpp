#include "app/adapters/QtProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

QString pagesText(JobKind kind, int done, int total)
{
    const QString doing = kind == JobKind::Export ? QCoreApplication::translate("QtProgress", "Exporting")
                                                  : QCoreApplication::translate("QtProgress", "Printing");
    return QCoreApplication::translate("QtProgress", "%1: %2 of %n page(s)", nullptr, total).arg(doing).arg(done);
}

class QtProgress : public IProgress
{
public:
    QtProgress(QWidget *parent, int total, JobKind kind)
        : m_dialog(pagesText(kind, 0, total), QCoreApplication::translate("QtProgress", "Cancel"), 0, total, parent),
          m_total(total),
          m_kind(kind)
    {
        m_dialog.setObjectName(QStringLiteral("PrintProgress"));
        m_dialog.setWindowTitle(QStringLiteral("Morvane"));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setMinimumDuration(0);
        m_dialog.setValue(0);
        // Shown at once: until it shows, the main window would take input.
        m_dialog.show();
    }

    void setPagesDone(int done) override
    {
        m_dialog.setLabelText(pagesText(m_kind, done, m_total));
        // A modal dialog's setValue also handles pending events: the Cancel click.
        m_dialog.setValue(done);
    }

    bool cancelled() override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    int m_total;
    JobKind m_kind;
};

} // namespace

std::unique_ptr<IProgress> QtProgressFactory::start(int totalPages, JobKind kind)
{
    return std::make_unique<QtProgress>(m_parent, totalPages, kind);
}
