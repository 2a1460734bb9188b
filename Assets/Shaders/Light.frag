#version 410 core
// A glow that fades from the light's colour at its centre to nothing at its radius.
uniform float radius;
uniform vec4 color;

in vec2 fromCentre;
out vec4 fragmentColor;

void main()
{
  float strength = clamp(1.0 - length(fromCentre) / radius, 0.0, 1.0) * color.a;
  fragmentColor = vec4(color.rgb * strength, 0.0);
}
