// The linear dimensions of a slab: the pick, the end-snap marker, a new dimension placed from
// two picked points and a third click, a dimension line moved parallel to itself, and the
// append of a record with its value text.
//
// Cursor and picked points are picture pixels (y down); records hold plan centimetres. The
// points of the dimension under way and its angle are the process-wide `Quotatura`.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Pixels within which the cursor takes a dimension line, for the pick and for the end snap.
inline constexpr float TolQuota = 7.0f;

// The command modes whose third click places a dimension.
inline constexpr int ModoInsQuotaOrizz = 2002, ModoInsQuotaVert = 3002, ModoInsQuotaAllin = 4002;

// The first dimension shown in the current plan (its own or every plan) whose line passes within
// 7 pixels of the cursor; -1 for none.
int TrovaQuota(const Modello& m, float x, float y);

// The point a click at the cursor places, plan cm: the nearer end (by the sum of the axis
// distances, the second on a tie) of the first dimension line within 7 pixels, whatever its
// plan; the cursor itself when no line is near. True when an end was taken.
bool AgganciaEstremoQuota(const Modello& m, float x, float y, float& xq, float& yq);

// Cosine and sine of the angle of two picture points: vertical when their x differ by 0.001 or
// less, turned by half a turn below -1.04 rad. On the plan the points run along (c, -s).
void AngoloQuota(float x1, float y1, float x2, float y2, float& c, float& s);

// The end-snap marker on the plan picture: a yellow box of +-6 pixels drawn 3 pixels wide about
// the end a click would take; nothing when no line is near.
void EvidQuotaCursore(const Modello& m, float x, float y);

// Third click of modes 2002 (horizontal), 3002 (vertical) and 4002 (aligned): the dimension of
// the two picked points through the snapped click, appended in the current plan. Ends the
// command and redraws the screen, also when nothing was appended.
void InserisciQuota(Modello& m, float x, float y);

// The refusal of a dimension placed beyond where work may stand on the slab (AreaLavoro).
inline constexpr char MsgQuotaFuoriArea[] = "La quota \xC3\xA8 troppo lontana dalla soletta.\nOperazione annullata.";

// The line of dimension `QuotaSelezionata` moved parallel to itself through the snapped click;
// `XQuota1` .. `YQuota2` hold its ends in picture pixels. Measured points, text and plan stay.
// A line beyond AreaLavoro is refused with MsgQuotaFuoriArea and the dimension stays. Ends the
// command and redraws the screen.
void SpostaQuota(Modello& m, float x, float y);

// Appends a dimension with line ends (x1, y1), (x2, y2) and plan p when the line is longer than
// 0.009 cm; the measured points are `XQuota1` .. `YQuota2` in plan cm. The text is the length
// (in metres when `QuoteInMetri` is 1) with `DecimaliQuote` decimals and a point, empty for a
// count other than 0, 1 or 2. A dimension with a point beyond AreaLavoro is refused with
// MsgQuotaFuoriArea.
void AggiungiQuota(Modello& m, float x1, float y1, float x2, float y2, int p);
// The open project.
void AggiungiQuota(float x1, float y1, float x2, float y2, int p);

}  // namespace vilmor
