#include "app/bdf/sampledata/SampleDataWriter.h"

#include "app/bdf/sampledata/DefinitionTables.h"
#include "app/bdf/sampledata/DefinitionTemplate.h"
#include "app/bdf/sampledata/SampleDefinitions.h"
#include "document/Document.h"
#include "export/BddWriter.h"

namespace sentrel::bdf {

namespace {

constexpr quint32 kFillerSeed = 20261201;

}  // namespace

void writeSampleData(const QDir& tables, const QDir& target) {
    // Everything is built before the first file is written, so a broken row writes nothing.
    const DefinitionTables source = DefinitionTables::load(tables);
    const QDateTime stamp(source.released, QTime(0, 0), Qt::UTC);
    auto definitions = makeDefinitionTemplate(stamp);
    doc::internals::setBDFMajorVer(*definitions, source.major);
    doc::internals::setBDFMinorver(*definitions, source.minor);
    addSampleDefinitions(*definitions, source, stamp);
    exporting::BddWriter writer(exporting::BddVersion::of(*definitions));
    writer.setFillerSeed(kFillerSeed);

    makeDefinitionTemplate(stamp)->save(target.filePath(QStringLiteral("intmpl.bdf")));
    definitions->save(target.filePath(QStringLiteral("maindefs.bdf")));
    writer.writeFile(*definitions, target.filePath(QStringLiteral("maindefs.bdd")));
    doc::Document::create()->save(target.filePath(QStringLiteral("intdata.dtl")));
}

}  // namespace sentrel::bdf
