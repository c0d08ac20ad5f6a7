// The settings store's writer and reader on a dictionary of 10,000 mixed entries in 100 nested
// containers, next to a raw pugixml build-and-serialise and parse-and-walk of the same document,
// so the store's overhead shows as a ratio.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Base64.h"
#include "platform/Collection.h"
#include "platform/Date.h"
#include "platform/MemoryBlock.h"
#include "platform/TextFunctions.h"
#include "settings/XMLDictionary.h"

namespace {

constexpr int kContainers = 100;
constexpr int kPerContainer = 99;  // 100 containers + 9,900 entries in them = 10,000 entries

Variant mixedValue(int i) {
  switch (i % 7) {
    case 0:
      return Variant("value number " + std::to_string(i) + " <&>");
    case 1:
      return Variant(i * 37);
    case 2:
      return Variant(i / 7.0);
    case 3:
      return Variant(i % 2 == 0);
    case 4:
      return Variant(std::make_shared<Date>(2020, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60));
    case 5:
      return Variant(std::make_shared<MemoryBlock>(std::string(40 + i % 30, static_cast<char>(i))));
    default:
      return Variant(Color{static_cast<std::uint32_t>(i * 2654435761u)});
  }
}

std::shared_ptr<Dictionary> makeSettings() {
  auto top = std::make_shared<Dictionary>();
  int n = 0;
  for (int c = 0; c < kContainers; ++c) {
    if (c % 2 == 0) {
      auto dict = std::make_shared<Dictionary>();
      for (int i = 0; i < kPerContainer; ++i, ++n) dict->SetValue("key" + std::to_string(n), mixedValue(n));
      top->SetValue("dict" + std::to_string(c), Variant(dict));
    } else {
      auto list = std::make_shared<Collection>();
      for (int i = 0; i < kPerContainer; ++i, ++n) list->Add(mixedValue(n));
      top->SetValue("array" + std::to_string(c), Variant(list));
    }
  }
  return top;
}

const std::shared_ptr<Dictionary>& settings() {
  static const auto dict = makeSettings();
  return dict;
}

const std::string& settingsText() {
  static const std::string text = XMLDictionary::ExportXMLString(settings(), false);
  return text;
}

void BM_StoreWrite(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(XMLDictionary::ExportXMLString(settings(), false));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(settingsText().size()));
}
BENCHMARK(BM_StoreWrite)->Unit(benchmark::kMillisecond);

void BM_StoreRead(benchmark::State& state) {
  for (auto _ : state) {
    auto dict = std::make_shared<Dictionary>();
    if (!XMLDictionary::LoadXML(dict, settingsText())) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(dict);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(settingsText().size()));
}
BENCHMARK(BM_StoreRead)->Unit(benchmark::kMillisecond);

// ---- Raw pugixml on the same document

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

void indent(pugi::xml_node parent, pugi::xml_node before, int depth) {
  std::string ws(1, '\n');
  ws.append(static_cast<std::size_t>(depth), '\t');
  parent.insert_child_before(pugi::node_pcdata, before).set_value(ws.c_str());
}

void addText(pugi::xml_node parent, const char* name, const std::string& text, int depth) {
  pugi::xml_node element = parent.append_child(name);
  element.append_child(pugi::node_pcdata).set_value(text.c_str());
  indent(parent, element, depth);
}

// The same elements, text and layout as the store writes, straight into a pugixml tree.
void rawValue(pugi::xml_node parent, const Variant& v, int depth) {
  switch (v.Type()) {
    case VarTypes::kInteger:
      addText(parent, "integer", std::to_string(v.Int64Value()), depth);
      return;
    case VarTypes::kDouble:
      addText(parent, "real", std::to_string(v.DoubleValue()), depth);
      return;
    case VarTypes::kDate:
      addText(parent, "date", v.StringValue(), depth);
      return;
    case VarTypes::kString:
      addText(parent, "string", v.StringValue(), depth);
      return;
    case VarTypes::kColor: {
      std::string text = "#";
      text += Hex(v.ColorValue()->value);
      addText(parent, "color", text, depth);
      return;
    }
    case VarTypes::kBoolean: {
      pugi::xml_node element = parent.append_child(v.BooleanValue() ? "true" : "false");
      indent(parent, element, depth);
      return;
    }
    default:
      break;
  }
  std::string ws(1, '\n');
  ws.append(static_cast<std::size_t>(depth), '\t');
  if (const auto block = v.ObjectAs<MemoryBlock>()) {
    pugi::xml_node element = parent.append_child("data");
    const std::string encoded = EncodeBase64(block->StringValue(), 45);
    for (std::size_t at = 0; at < encoded.size(); at += 47) {
      element.append_child(pugi::node_pcdata).set_value(ws.c_str());
      element.append_child(pugi::node_pcdata).set_value(encoded.substr(at, 45).c_str());
    }
    element.append_child(pugi::node_pcdata).set_value(ws.c_str());
    indent(parent, element, depth);
  }
}

void BM_PugixmlBuildAndSerialise(benchmark::State& state) {
  for (auto _ : state) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("xmldict");
    root.append_attribute("version") = "1.1";
    for (std::int64_t c = 0; c < settings()->Count(); ++c) {
      addText(root, "key", settings()->Key(c).StringValue(), 1);
      const Variant& container = settings()->ValueAt(c);
      const bool isDict = container.ObjectAs<Dictionary>() != nullptr;
      pugi::xml_node element = root.append_child(isDict ? "dict" : "array");
      if (const auto dict = container.ObjectAs<Dictionary>()) {
        for (std::int64_t i = 0; i < dict->Count(); ++i) {
          addText(element, "key", dict->Key(i).StringValue(), 2);
          rawValue(element, dict->ValueAt(i), 2);
        }
      } else if (const auto list = container.ObjectAs<Collection>()) {
        for (std::int64_t i = 1; i <= list->Count(); ++i) rawValue(element, list->Item(i), 2);
      }
      element.append_child(pugi::node_pcdata).set_value("\n\t");
      indent(root, element, 1);
    }
    root.append_child(pugi::node_pcdata).set_value("\n");
    indent(doc, root, 0);
    StringWriter writer;
    doc.save(writer, "", pugi::format_raw);
    benchmark::DoNotOptimize(writer.out);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(settingsText().size()));
}
BENCHMARK(BM_PugixmlBuildAndSerialise)->Unit(benchmark::kMillisecond);

void BM_PugixmlParseAndWalk(benchmark::State& state) {
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_buffer(settingsText().data(), settingsText().size(),
                    pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_ws_pcdata,
                    pugi::encoding_utf8);
    // Visit every element and read its text, as any reader must.
    std::size_t total = 0;
    for (pugi::xml_node node = doc.document_element(); node;) {
      if (node.type() == pugi::node_element) total += std::char_traits<char>::length(node.child_value());
      if (node.first_child()) {
        node = node.first_child();
        continue;
      }
      while (node && !node.next_sibling()) node = node.parent();
      if (node) node = node.next_sibling();
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(settingsText().size()));
}
BENCHMARK(BM_PugixmlParseAndWalk)->Unit(benchmark::kMillisecond);

}  // namespace

// The console report, followed by the store's time over raw pugixml's for writing and reading.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        m_seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    printRatio("write", "BM_StoreWrite", "BM_PugixmlBuildAndSerialise");
    printRatio("read", "BM_StoreRead", "BM_PugixmlParseAndWalk");
  }

 private:
  void printRatio(const char* what, const std::string& store, const std::string& raw) {
    if (!m_seconds.count(store) || !m_seconds.count(raw) || m_seconds[raw] <= 0) return;
    std::printf("ratio store/pugixml %-5s %.2f\n", what, m_seconds[store] / m_seconds[raw]);
  }

  std::map<std::string, double> m_seconds;
};

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
