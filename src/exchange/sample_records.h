// Undisturbed samples (3040) of an exchange XML file, with the sampler
// letter the converter knows (T thin-wall, D Denison, F foil).
#ifndef BORINGCONV_EXCHANGE_SAMPLE_RECORDS_H_
#define BORINGCONV_EXCHANGE_SAMPLE_RECORDS_H_

#include <string>
#include <string_view>

#include "exchange/record_line.h"
#include "exchange/xml_tree.h"

namespace bc {

void AppendSampleRecords(const XmlTree& tree, RecordLines* lines);

// "T", "D", "F" or "@" from the sampling method and its code.
std::u16string SamplerLetter(std::u16string_view method, std::u16string_view code);

}  // namespace bc

#endif  // BORINGCONV_EXCHANGE_SAMPLE_RECORDS_H_
