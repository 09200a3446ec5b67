#include "RecordingLayout.h"

namespace RecordingLayout {

const char kKnownBoxTypes[kKnownBoxTypeTableSize][5] = {
    "ainf", "avcn", "bloc", "bpcc", "buff", "bxml", "ccid", "cdef", "clip", "cmap",
    "co64", "colr", "crgn", "crhd", "cslg", "ctab", "ctts", "cvru", "dinf", "dref",
    "dsgd", "dstg", "edts", "elst", "fdel", "feci", "fecr", "fiin", "fire", "fpar",
    "free", "frma", "ftyp", "gitn", "grpi", "hdlr", "hmhd", "hpix", "icnu", "ID32",
    "idat", "ihdr", "iinf", "iloc", "imap", "imif", "infe", "infu", "iods", "iphd",
    "ipmc", "ipro", "iref", "jP  ", "jp2c", "jp2h", "jp2i", "kmat", "leva", "load",
    "lrcu", "m7hd", "matt", "mdat", "mdhd", "mdia", "mdri", "meco", "mehd", "mere",
    "meta", "mfhd", "mfra", "mfro", "minf", "mjhd", "moof", "moov", "mvcg", "mvci",
    "mvex", "mvhd", "mvra", "nmhd", "ochd", "odaf", "odda", "odhd", "odhe", "odrb",
    "odrm", "odtt", "ohdr", "padb", "paen", "pclr", "pdin", "pitm", "pnot", "prft",
    "res ", "resc", "resd", "rinf", "saio", "saiz", "sbgp", "schi", "schm", "sdep",
    "sdhd", "sdtp", "sdvp", "segr", "senc", "sgpd", "sidx", "sinf", "skip", "smhd",
    "srmb", "srmc", "srpp", "ssix", "stbl", "stco", "stdp", "sthd", "strd", "stri",
    "stsc", "stsd", "stsg", "stsh", "stss", "stsz", "stts", "styp", "stz2", "subs",
    "swtc", "tfad", "tfdt", "tfhd", "tfma", "tfra", "tibr", "tiri", "tkhd", "traf",
    "trak", "tref", "trex", "trgr", "trik", "trun", "udta", "uinf", "UITS", "ulst",
    "url ", "uuid", "vmhd", "vwdi", "xml ", "xml ", "udat", "ICAT",
};

}  // namespace RecordingLayout
