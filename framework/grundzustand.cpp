// Every global of the game back to what a fresh process has, at the program's start: a second
// start in the same process (the tests run whole, a benchmark) must play exactly as the first.
// Each layer resets its own; the layers above the framework are reached through their services.
#include <cstring>
#include <memory>

#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/intro.h"
#include "framework/keyboard.h"
#include "framework/lists.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/services_interaction.h"
#include "framework/services_townview.h"
#include "framework/services_world.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "platform/random.h"

void Grundzustand()
{
    // The application object anew: its resources released, every field at its initialiser.
    std::destroy_at(&MyApp);
    std::construct_at(&MyApp);

    MausRuheFrames = TooltipNummer = TastenVerzoegerung = StartDialogZaehler = 0;
    BildNummer = 0;
    SortierZaehler = 0;
    TooltipModus = -1;
    TooltipSzene = 0;
    WindSoundLaeuft = RegenSoundLaeuft = StadtBildGezeichnet = FigurLabelGezeigt = ItemListeGezeigt = 0;
    std::memset(ZeilenTimer, 0, sizeof ZeilenTimer);
    MeldungsPanelAktiv = HinweisSichtbar = EditorAktiv = TutorialSchritt = 0;
    InfoPanelZaehler = EditorWerkzeug = EditorObjekt = EditorDrehung = 0;
    // The cursors' handles are never given out again, so the old ones cannot come back.
    std::memset(CursorTabelle, 0, sizeof CursorTabelle);
    Sprache = 0;
    Vollbild = DebugModus = CheatHilfe = 0;
    std::memset(TextStandard, 0, sizeof TextStandard);
    std::memset(SprechTexte, 0, sizeof SprechTexte);
    ZufallZeilenZahl = 0;
    std::memset(Mitwirkende, 0, sizeof Mitwirkende);
    std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
    std::memset(TastenStatus, 0, sizeof TastenStatus);
    NimmTastenDruecke();  // presses the last run left waiting
    SichtPyramide = Frustum{};
    MusikFadeLautstaerke = 0;
    VideoLaeuft = 1;
    VideoAbgebrochen = 0;
    ZufallSaat(1);
    VergissFigAnimsVoraus();

    GrundzustandWelt();
    GrundzustandStadtansicht();
    GrundzustandInteraktion();
    GrundzustandFrontend();
}
