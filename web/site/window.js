// A companion window's page with nothing of its own: its table's controls and
// its logic.
import {companionPage} from './companion.js';

companionPage(document.querySelector('main.form'));
