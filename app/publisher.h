// The publisher's web site, named once: the About box's link and its text,
// the update-check address, the printed footer and the caption of the
// old-platform refusal all take it from here. The resource script includes
// this header too, so it holds only the preprocessor's name.
#pragma once

#define VARIDEL_PUBLISHER_HOST "www.quorrin.example"
// The address with its scheme, as the browser is given it.
#define VARIDEL_PUBLISHER_ADDRESS "https://" VARIDEL_PUBLISHER_HOST
