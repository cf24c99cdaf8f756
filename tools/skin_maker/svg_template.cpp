#include "svg_template.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

class Parser {
  public:
    Parser(const std::string& text, const TemplateContext& context)
        : text_(text), context_(context) {}

    bool Parse(double& value, std::string& error) {
        if (!Sum(value)) return Fail(error);
        Blanks();
        if (at_ != text_.size()) {
            problem_ = "unexpected '" + text_.substr(at_) + "'";
            return Fail(error);
        }
        return true;
    }

  private:
    bool Fail(std::string& error) {
        error = "in {" + text_ + "}: " + problem_;
        return false;
    }
    void Blanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool Sum(double& value) {
        if (!Product(value)) return false;
        for (;;) {
            Blanks();
            if (at_ >= text_.size() || (text_[at_] != '+' && text_[at_] != '-')) return true;
            const char op = text_[at_++];
            double right = 0;
            if (!Product(right)) return false;
            value = op == '+' ? value + right : value - right;
        }
    }
    bool Product(double& value) {
        if (!Factor(value)) return false;
        for (;;) {
            Blanks();
            if (at_ >= text_.size() || (text_[at_] != '*' && text_[at_] != '/')) return true;
            const char op = text_[at_++];
            double right = 0;
            if (!Factor(right)) return false;
            if (op == '/' && right == 0) {
                problem_ = "division by zero";
                return false;
            }
            value = op == '*' ? value * right : value / right;
        }
    }
    bool Factor(double& value) {
        Blanks();
        if (at_ >= text_.size()) {
            problem_ = "missing operand";
            return false;
        }
        const char c = text_[at_];
        if (c == '-') {
            ++at_;
            if (!Factor(value)) return false;
            value = -value;
            return true;
        }
        if (c == '(') {
            ++at_;
            if (!Sum(value)) return false;
            Blanks();
            if (at_ >= text_.size() || text_[at_] != ')') {
                problem_ = "missing ')'";
                return false;
            }
            ++at_;
            return true;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            char* end = nullptr;
            value = std::strtod(text_.c_str() + at_, &end);
            at_ = static_cast<size_t>(end - text_.c_str());
            return true;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const size_t start = at_;
            while (at_ < text_.size() &&
                   (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_'))
                ++at_;
            return Name(text_.substr(start, at_ - start), value);
        }
        problem_ = std::string("unexpected '") + c + "'";
        return false;
    }
    bool Name(const std::string& name, double& value) {
        if (name == "W") {
            value = context_.width;
        } else if (name == "H") {
            value = context_.height;
        } else if (name == "S") {
            value = context_.scale;
        } else if (name == "PX") {
            value = 1 / context_.scale;
        } else {
            const auto found = context_.params.find(name);
            if (found == context_.params.end()) {
                problem_ = "no parameter " + name;
                return false;
            }
            char* end = nullptr;
            value = std::strtod(found->second.c_str(), &end);
            if (found->second.empty() || *end != '\0') {
                problem_ = "parameter " + name + " is not a number: " + found->second;
                return false;
            }
        }
        return true;
    }

    const std::string& text_;
    const TemplateContext& context_;
    size_t at_ = 0;
    std::string problem_;
};

bool PaletteColour(const std::string& role, const TemplateContext& context, std::string& out,
                   std::string& error) {
    const auto found = context.palette.find(role);
    if (found == context.palette.end()) {
        error = "the palette has no colour " + role;
        return false;
    }
    out = found->second;
    return true;
}

// A parameter, a "$role", or (when literals are allowed) the text itself.
bool Resolve(const std::string& token, const TemplateContext& context, bool literal,
             std::string& out, std::string& error) {
    if (!token.empty() && token[0] == '$')
        return PaletteColour(token.substr(1), context, out, error);
    const auto found = context.params.find(token);
    if (found != context.params.end()) {
        if (!found->second.empty() && found->second[0] == '$')
            return PaletteColour(found->second.substr(1), context, out, error);
        out = found->second;
        return true;
    }
    if (literal) {
        out = token;
        return true;
    }
    error = "no parameter " + token;
    return false;
}

bool Placeholder(const std::string& inner, const TemplateContext& context, std::string& out,
                 std::string& error) {
    if (inner.size() >= 2 && inner.front() == '{' && inner.back() == '}') {
        double value = 0;
        if (!EvaluateExpression(inner.substr(1, inner.size() - 2), context, value, error))
            return false;
        out = FormatNumber(value);
        return true;
    }
    if (inner == "ICON" || inner.compare(0, 5, "ICON:") == 0) {
        const std::string param = inner == "ICON" ? "icon" : inner.substr(5);
        std::string name;
        if (!Resolve(param, context, false, name, error)) return false;
        if (name.empty()) return true; // no icon on this picture
        if (!context.icon || !context.icon(name, out)) {
            error = "no icon " + name;
            return false;
        }
        return true;
    }
    const size_t question = inner.find('?');
    if (question != std::string::npos) {
        const size_t colon = inner.find(':', question);
        if (colon == std::string::npos) {
            error = "@" + inner + "@ needs the form cond?A:B";
            return false;
        }
        double condition = 0;
        if (!EvaluateExpression(inner.substr(0, question), context, condition, error)) return false;
        const std::string chosen = condition != 0 ? inner.substr(question + 1, colon - question - 1)
                                                  : inner.substr(colon + 1);
        return Resolve(chosen, context, true, out, error);
    }
    return Resolve(inner, context, false, out, error);
}

} // namespace

std::string FormatNumber(double value) {
    if (std::fabs(value) < 0.0005) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string s = text;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

bool EvaluateExpression(const std::string& expression, const TemplateContext& context,
                        double& value, std::string& error) {
    return Parser(expression, context).Parse(value, error);
}

bool ExpandTemplate(const std::string& text, const TemplateContext& context, std::string& out,
                    std::string& error) {
    out.clear();
    size_t at = 0;
    for (;;) {
        const size_t open = text.find('@', at);
        if (open == std::string::npos) {
            out.append(text, at, std::string::npos);
            return true;
        }
        const size_t close = text.find('@', open + 1);
        if (close == std::string::npos) {
            error = "an '@' without its closing '@'";
            return false;
        }
        out.append(text, at, open - at);
        std::string value;
        if (!Placeholder(text.substr(open + 1, close - open - 1), context, value, error))
            return false;
        out += value;
        at = close + 1;
    }
}
