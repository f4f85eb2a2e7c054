#include "exchange/ImportSummary.h"

namespace Qlx
{
    namespace
    {
        std::string quoted(const std::string& text) { return "\"" + text + "\""; }

        std::string fieldsPart(const std::vector<std::string>& fields)
        {
            if (fields.empty())
                return "no fields";
            std::string text = fields.size() == 1 ? "field " : "fields ";
            for (std::size_t i = 0; i < fields.size(); ++i)
                text += (i > 0 ? ", " : "") + quoted(fields[i]);
            return text;
        }
    }

    std::string counted(std::size_t count, const char* one, const char* many)
    {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    }

    std::string importSummary(const std::string& output, const ImportReport& report)
    {
        std::string line = output + ": " + counted(report.items, "item", "items") + "; item type "
                           + quoted(report.itemType) + ", " + fieldsPart(report.fields) + "; " + report.namesFrom;
        for (const std::string& remark : report.remarks)
            line += "; " + remark;
        return line;
    }
}
