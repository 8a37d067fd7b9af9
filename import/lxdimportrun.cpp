// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/lxdimportrun.h"

#include <QThread>

LxdImportRun::LxdImportRun(const QString &fileName, LxdImport::Format format, QChar separator,
    const LxdImport::CsvColumns &columns, QObject *parent)
    : QObject(parent)
    , m_fileName(fileName)
    , m_format(format)
    , m_separator(separator)
    , m_columns(columns)
{ }

LxdImportRun::~LxdImportRun()
{
    if (m_thread) {
        m_stop = true;
        m_thread->wait();
    }
}

void LxdImportRun::start()
{
    if (m_thread)
        return;
    m_thread.reset(QThread::create([this] {
        const LxdImport::Progress step = [this](int done) {
            m_percent = done;
            return !m_stop;
        };
        m_outcome.result = LxdImport::readFile(m_fileName, m_format, m_separator, m_columns, step);
    }));
    // Delivered on the thread of this object once the reader is done, so the outcome is whole.
    connect(m_thread.get(), &QThread::finished, this, [this] {
        m_outcome.cancelled = m_stop;
        if (m_outcome.cancelled)
            m_outcome.result = LxdImport::Result();
        m_finished = true;
        emit finished();
    });
    m_thread->start();
}

void LxdImportRun::cancel()
{
    m_stop = true;
}
