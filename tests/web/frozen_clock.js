// Freezes the wall clock at QUV_FROZEN_MS, as the page tests freeze the browser's: the game seeds
// its random source alike in both and hides the suspects in the same rooms.
const frozen = Number(process.env.QUV_FROZEN_MS);
Date.now = () => frozen;
