#include "ui/dialogs/DialogWhatsThis.h"

#include "ui/help/CHelpWindow.h"

namespace {

struct cDialogHelp
{
    const char* title;
    const char* text;
    const char* page;
    const char* anchor;
};

// By the dialogs' titles, which are fixed texts of the program.
constexpr cDialogHelp kDialogs[] = {
    {"Court properties",
     "A court: its short and full name, its rating and whether it is a reserved home ground.", "courts.html",
     "courts"},
    {"Court time properties",
     "Free time on a court, on one date. Repeat it for later weeks with Edit > Repeat Time (Ctrl+R).",
     "courts.html", "courttime"},
    {"Repeat court time", "Copies the selected court time into the following weeks.", "courts.html",
     "repeat"},
    {"Duplicate court time", "Copies all free time of the selected court to another court.", "courts.html",
     "repeat"},
    {"League properties",
     "A league: its rounds, sets, game duration, latest start, the ratings it needs and the rest between "
     "matches.",
     "leagues.html", "leagues"},
    {"Team properties", "A team: its name, its permanent day off and its bonus points.", "leagues.html",
     "teams"},
    {"Home ground properties", "A court on which the team plays its home matches, at the times given.",
     "leagues.html", "homegrounds"},
    {"Holiday properties", "A period in which the team, league or official has no match.", "leagues.html",
     "holidays"},
    {"Preferred playing time", "A weekday and hours the scheduler tries first.", "leagues.html", "preferred"},
    {"Team conflict", "A team that must not play at the same time; twin teams not on the same day.",
     "leagues.html", "conflicts"},
    {"Schedule Settings", "The placement rules that the scheduler (F2) and the manual scheduling may ignore.",
     "scheduling.html", "rules"},
    {"Manual match scheduling",
     "The free court time where the match can start. Untick \"Show only legal playing times\" to see all of "
     "it; a broken rule is asked about.",
     "scheduling.html", "manual"},
    {"Playoff match data", "A match outside the leagues, with free texts for its number and teams.",
     "scheduling.html", "playoff"},
    {"Modify playoff match data", "A match outside the leagues, with free texts for its number and teams.",
     "scheduling.html", "playoff"},
    {"Official properties", "An official: club, days off, rating and how many games in all and in a row.",
     "officials.html", "officials"},
    {"Assign officials automatically", "Fills the empty official slots of the matches up to the date.",
     "officials.html", "automatic"},
    {"Assign officials manually", "Chooses the officials of the selected match slot by slot.",
     "officials.html", "manual"},
    {"Official assignment settings", "The numbers and rules of the assignment of officials.",
     "officials.html", "settings"},
    {"Enter result",
     "The final score or the sets of the match; tick Hosts or Guests for a disqualified team.",
     "results.html", "results"},
    {"Table generation - Results and point awards",
     "The points for a victory, a draw, a loss and a disqualification.", "results.html", "points"},
    {"Table generation - Priority numbers for team rating criteria",
     "The order in which the criteria rank teams that are level.", "results.html", "criteria"},
    {"Special schedule print", "Prints the schedule, or writes it as a web page, text or CSV file.",
     "publishing.html", "special"},
    {"Special table print", "Prints the tables, or writes them as a web page, text or CSV file.",
     "publishing.html", "special"},
    {"Print database content", "A summary of the season with a court and a league overview.",
     "publishing.html", "special"},
    {"Web document templates", "The templates of the web pages; <TNLX_Content> marks where the tables go.",
     "publishing.html", "web"},
    {"Export calendar", "Writes the matches as an iCalendar file for calendar programs and phones.",
     "calendar.html", "ical"},
    {"Import from spreadsheet",
     "Reads teams, officials, court time or results from a CSV file; the list shows what each row would "
     "do before anything changes.",
     "calendar.html", "csvimport"},
    {"New season",
     "Starts the next season from this one: its dates whole weeks on, without matches, results or counted "
     "tables.",
     "start.html", "nextseason"},
};

} // namespace

QString DialogWhatsThis(const QString& title)
{
    for (const cDialogHelp& dialog : kDialogs) {
        if (title == QLatin1String(dialog.title)) {
            return CHelpWindow::WithGuideLink(QString::fromUtf8(dialog.text).toHtmlEscaped(),
                                              QLatin1String(dialog.page), QLatin1String(dialog.anchor));
        }
    }
    return {};
}

QStringList DialogWhatsThisTitles()
{
    QStringList titles;
    for (const cDialogHelp& dialog : kDialogs) {
        titles << QLatin1String(dialog.title);
    }
    return titles;
}
