// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDIMPORTRUN_H
#define LXDIMPORTRUN_H

#include "import/lxdimport.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

// Reading a whole word list on a thread of its own, so that whoever waits stays responsive and can
// cancel: the reader looks at the request between pieces of the file and then leaves everything as
// it was. Knows no window: the window shows its progress, the command line waits for it.
class LxdImportRun : public QObject
{
    Q_OBJECT

public:
    // What a read came to.
    struct Outcome
    {
        LxdImport::Result result; // its error says why nothing could be read
        bool cancelled = false;
    };

    // `separator` and `columns` are for the spreadsheet reader.
    LxdImportRun(const QString &fileName, LxdImport::Format format, QChar separator = QChar(),
        const LxdImport::CsvColumns &columns = {}, QObject *parent = nullptr);
    // Stops the reader and waits for it.
    ~LxdImportRun() override;

    void start();
    void cancel();
    // The share read so far, 0 to 100; may be read while the reader runs.
    int percent() const { return m_percent; }
    bool isFinished() const { return m_finished; }
    // Once finished.
    const Outcome &outcome() const { return m_outcome; }

signals:
    void finished();

private:
    QString m_fileName;
    LxdImport::Format m_format;
    QChar m_separator;
    LxdImport::CsvColumns m_columns;
    std::unique_ptr<QThread> m_thread;
    std::atomic<int> m_percent {0};
    std::atomic<bool> m_stop {false};
    bool m_finished = false;
    Outcome m_outcome;
};

#endif // LXDIMPORTRUN_H
