#version 410 core
// The layer's ambient level. The light texture already starts there; the light is weakened by it so
// that a bright layer is not washed out by the lights it already has.
uniform float ambience;

in vec2 local;             // -1 to 1 across the light's quad
in vec4 lightColor;
in vec4 lightFalloff;      // c1 + c2 d + c3 d^2 is the light lost at distance d (0 centre, 1 edge); c4 adds a flat glow
in float lightDirection;
flat in uint type;
out vec4 fragmentColor;

void main()
{
  // Type 2 is a beam: it fades only across its width, so a long x scale makes a ray.
  float distance = (type == 2u) ? abs(local.y) : length(local);
  if (distance > 1.0)
    discard;
  float loss = lightFalloff.x + lightFalloff.y * distance + lightFalloff.z * distance * distance;
  float strength = clamp(1.0 - loss + lightFalloff.w, 0.0, 1.0) * lightColor.a;
  // A direction of -1 to 1 limits a round light to the half-plane it faces; outside that range it shines all round.
  if (type != 2u && lightDirection >= -1.0 && lightDirection <= 1.0 && local.y < lightDirection * length(local))
    strength = 0.0;
  fragmentColor = vec4(lightColor.rgb * strength * (1.0 - ambience * 0.5), 0.0);
}
