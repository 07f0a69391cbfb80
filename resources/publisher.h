// The publisher, named once: its web site (the About box's link and its
// text, the update-check address, the printed footer and the caption of the
// old-platform refusal) and its notice (the About box and the version
// information). The resource script includes this header too, so it holds
// only the preprocessor's names.
#pragma once

#define VARIDEL_PUBLISHER_HOST "www.quorrin.example"
// The address with its scheme, as the browser is given it.
#define VARIDEL_PUBLISHER_ADDRESS "https://" VARIDEL_PUBLISHER_HOST
// One string: the resource script joins none.
#define VARIDEL_PUBLISHER_NOTICE "Published by Quorrin"
