// The pictures themselves are compiled in as Qt resources by qt_add_resources;
// this file only gives the library a translation unit of its own.
namespace velunta { void assetsLinked() {} }
