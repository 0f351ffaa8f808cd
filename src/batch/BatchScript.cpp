#include "batch/BatchScript.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace tarn {

namespace {

using Words = std::vector<std::string>;

bool OneOf(const std::string& word, std::initializer_list<const char*> choices) {
  return std::any_of(choices.begin(), choices.end(), [&](const char* c) { return word == c; });
}

bool IsUnsigned(const std::string& word) {
  return !word.empty() && word.size() <= 9 &&
         std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool IsInteger(const std::string& word) {
  return IsUnsigned(word[0] == '-' && word.size() > 1 ? word.substr(1) : word);
}

bool IsPositive(const std::string& word) { return IsUnsigned(word) && std::stol(word) > 0; }

bool IsHexColor(const std::string& word) {
  return word.size() == 6 &&
         std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isxdigit(c); });
}

// Takes the arguments of one command from `words` at `at`; each checker sees the argument
// and says whether it is acceptable.
class ArgumentReader {
 public:
  ArgumentReader(const Words& words, std::size_t& at, BatchStep& step)
      : words_(words), at_(at), step_(step) {}

  void Take(const char* what, const std::function<bool(const std::string&)>& ok = nullptr) {
    if (at_ >= words_.size()) throw UsageError(step_.Command + ": missing " + what);
    const std::string& word = words_[at_];
    if (ok && !ok(word)) throw UsageError(step_.Command + ": unknown " + what + " '" + word + "'");
    step_.Args.push_back(word);
    ++at_;
  }

  // Takes the next word only if it is acceptable.
  bool TakeIf(const std::function<bool(const std::string&)>& ok) {
    if (at_ >= words_.size() || !ok(words_[at_])) return false;
    step_.Args.push_back(words_[at_++]);
    return true;
  }

 private:
  const Words& words_;
  std::size_t& at_;
  BatchStep& step_;
};

auto Choices(std::initializer_list<const char*> choices) {
  std::vector<std::string> list(choices.begin(), choices.end());
  return [list](const std::string& word) { return std::find(list.begin(), list.end(), word) != list.end(); };
}

void ReadFontArguments(ArgumentReader& in) {
  in.Take("FAMILY");
  in.Take("PIXELS", IsPositive);
  while (in.TakeIf([](const std::string& w) { return OneOf(w, {"bold", "italic"}) || IsHexColor(w); })) {
  }
}

void ReadSeriesArguments(ArgumentReader& in, const BatchStep& step) {
  in.Take("series command", Choices({"select", "apply", "color", "add", "delete", "all"}));
  const std::string sub = step.Args.back();  // a copy: taking more arguments moves them
  if (sub == "select") in.Take("I", IsUnsigned);
  if (sub == "apply") {
    in.Take("FIELD", Choices({"name", "show", "style", "width", "marksize", "marker", "brushing", "xcol",
                              "ycol", "start", "end"}));
    // Check boxes take 0 or 1, lists one of their items; edits take any text.
    const std::string field = step.Args.back();
    if (field == "show" || field == "brushing") in.Take("0 or 1", Choices({"0", "1"}));
    else if (field == "style") in.Take("style item", Choices({"0", "1", "2"}));
    else if (field == "marker") in.Take("marker item", Choices({"0", "1", "2", "3", "4"}));
    else in.Take("VALUE");
  }
  if (sub == "color") in.Take("colour", [](const std::string& w) { return w == "cancel" || IsHexColor(w); });
  if (sub == "all") in.Take("0 or 1", Choices({"0", "1"}));
}

using ArgumentRule = std::function<void(ArgumentReader&, const BatchStep&)>;

const std::map<std::string, ArgumentRule>& ArgumentRules() {
  auto file = [](ArgumentReader& in, const BatchStep&) { in.Take("FILE"); };
  auto none = [](ArgumentReader&, const BatchStep&) {};
  static const std::map<std::string, ArgumentRule> rules = {
      {"open-contour", file}, {"open-scatter", file}, {"paste-scatter", file},
      {"open-mesh", file}, {"save-mesh", file}, {"open-settings", file}, {"save-settings", file},
      {"save-image", file}, {"open", file}, {"quit", file},
      {"make-mesh", none}, {"redraw", none}, {"reload", none}, {"reset", none},
      {"watch", [](ArgumentReader& in, const BatchStep&) { in.Take("FILE-OUT"); in.Take("N", IsPositive); }},
      {"set", [](ArgumentReader& in, const BatchStep&) { in.Take("KEY:VALUE"); }},
      {"click", [](ArgumentReader& in, const BatchStep&) { in.Take("button", Choices({"sanp", "mesh", "contour"})); }},
      {"check", [](ArgumentReader& in, const BatchStep&) { in.Take("item", Choices({"show-mesh", "show-contour"})); }},
      {"legend", [](ArgumentReader& in, const BatchStep&) { in.Take("X", IsInteger); in.Take("Y", IsInteger); }},
      {"save-eps", [](ArgumentReader& in, const BatchStep&) {
         in.Take("FILE");
         in.Take("colour choice", Choices({"color", "gray"}));
         in.Take("mode", Choices({"raster", "vector"}));
       }},
      {"answer", [](ArgumentReader& in, const BatchStep&) { in.Take("answer", Choices({"yes", "no"})); }},
      {"font", [](ArgumentReader& in, const BatchStep&) { ReadFontArguments(in); }},
      {"interrupt", [](ArgumentReader& in, const BatchStep&) { in.Take("N", IsPositive); }},
      {"color", [](ArgumentReader& in, const BatchStep&) {
         in.Take("shape", Choices({"back", "border"}));
         in.Take("colour", [](const std::string& w) { return w == "cancel" || IsHexColor(w); });
       }},
      {"series", [](ArgumentReader& in, const BatchStep& step) { ReadSeriesArguments(in, step); }},
      {"print", [](ArgumentReader& in, const BatchStep&) {
         in.Take("WHAT", Choices({"points", "mesh", "caption", "mode", "options", "series", "changed"}));
       }},
  };
  return rules;
}

// What this build runs; the rest of the command set is recognised but refused.
bool IsAvailable(const BatchStep& step) {
  static const std::vector<std::string> available = {
      "open-contour", "open-scatter", "paste-scatter", "legend", "open-settings", "save-settings", "set", "answer", "click", "check", "print",
      "make-mesh", "redraw", "save-image", "save-eps", "font", "interrupt", "open", "open-mesh", "save-mesh", "quit", "reset", "color", "series", "reload", "watch"};
  if (std::find(available.begin(), available.end(), step.Command) == available.end()) return false;
  if (step.Command == "print") return OneOf(step.Args[0], {"points", "options", "caption", "changed", "mode", "mesh", "series"});
  return true;
}

}  // namespace

BatchScript ParseBatchScript(const std::vector<std::string>& args) {
  BatchScript script;
  std::size_t at = 0;
  if (at < args.size() && args[at] == "--keep-going") {
    script.KeepGoing = true;
    ++at;
  }
  if (at >= args.size()) throw UsageError("no command given");
  while (at < args.size()) {
    BatchStep step{args[at++], {}};
    const auto rule = ArgumentRules().find(step.Command);
    if (rule == ArgumentRules().end()) throw UsageError("unknown command '" + step.Command + "'");
    ArgumentReader reader(args, at, step);
    rule->second(reader, step);
    if (!IsAvailable(step)) throw UsageError(step.Command + ": not available yet");
    script.Steps.push_back(std::move(step));
  }
  return script;
}

}  // namespace tarn
