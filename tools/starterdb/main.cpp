// SPDX-License-Identifier: GPL-3.0-or-later
// lexivane-mkstarterdb SOURCE OUTPUT_FOLDER
// Writes AmericanDB.lxv, BritishDB.lxv and CanadianDB.lxv into OUTPUT_FOLDER. Nothing is written unless
// the source is sound for all three variants.
#include "starterdbgen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "Usage: lexivane-mkstarterdb SOURCE OUTPUT_FOLDER\n";
        return 2;
    }
    const QString sourcePath = args.at(1);
    const QDir outputDir(args.at(2));

    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly)) {
        err << QDir::toNativeSeparators(sourcePath) << ": " << sourceFile.errorString() << "\n";
        return 1;
    }
    QString source;
    QString error;
    if (!StarterDb::decodeSource(sourceFile.readAll(), &source, &error)) {
        err << QDir::toNativeSeparators(sourcePath) << ": " << error << "\n";
        return 1;
    }

    QByteArray databases[StarterDb::VariantCount];
    for (int v = 0; v < StarterDb::VariantCount; ++v) {
        if (!StarterDb::generateDatabase(source, StarterDb::Variant(v), &databases[v], &error)) {
            err << QDir::toNativeSeparators(sourcePath) << ": " << error << "\n";
            return 1;
        }
    }

    if (!outputDir.exists() && !QDir().mkpath(outputDir.path())) {
        err << "Cannot create " << QDir::toNativeSeparators(outputDir.path()) << "\n";
        return 1;
    }
    for (int v = 0; v < StarterDb::VariantCount; ++v) {
        const QString path = outputDir.filePath(StarterDb::variantFileName(StarterDb::Variant(v)));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(databases[v]) != databases[v].size()
            || !file.commit()) {
            err << QDir::toNativeSeparators(path) << ": " << file.errorString() << "\n";
            return 1;
        }
        const int lines = databases[v].count("\r\n");
        const int sentences = databases[v].count("&&&");
        out << QDir::toNativeSeparators(path) << ": " << lines << " headwords, " << sentences
            << " sentences\n";
    }
    return 0;
}
